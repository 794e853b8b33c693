#include "qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "values/tr.h"

namespace kestrova {
namespace {

std::string TranslateThroughQt(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

InterfaceLanguage::InterfaceLanguage(Language language) : translator_(std::make_unique<QTranslator>()) {
  loaded_ = language == Language::kEnglish
                ? translator_->load(QStringLiteral("kestrova_en"), QStringLiteral(":/i18n"))
                : translator_->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded_) QCoreApplication::installTranslator(translator_.get());
  SetTranslateHook(&TranslateThroughQt);
}

InterfaceLanguage::~InterfaceLanguage() {
  SetTranslateHook(nullptr);
  QCoreApplication::removeTranslator(translator_.get());
}

}  // namespace kestrova
