#include "qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {
namespace {

// Where the build embeds the compiled translations: kestrova_<code>.qm.
const QString kTranslations = QStringLiteral(":/i18n");

std::string TranslateThroughQt(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

QString ConsoleFile(std::string_view code) { return QStringLiteral("kestrova_") + ToQString(code); }

}  // namespace

std::vector<std::string> OfferedLanguages() {
  std::vector<std::string> codes;
  const QStringList files = QDir(kTranslations).entryList({QStringLiteral("kestrova_*.qm")}, QDir::Files, QDir::Name);
  for (const QString& file : files) codes.push_back(ToUtf8(QFileInfo(file).completeBaseName().mid(9)));
  return codes;
}

bool TranslationOffered(std::string_view code) {
  return QFileInfo::exists(kTranslations + QLatin1Char('/') + ConsoleFile(code) + QStringLiteral(".qm"));
}

InterfaceLanguage::InterfaceLanguage(const Language& language)
    : console_(std::make_unique<QTranslator>()), toolkit_(std::make_unique<QTranslator>()) {
  const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (language == Language::kChinese) {
    loaded_ = toolkit_->load(QStringLiteral("qtbase_zh_CN"), qtTranslations);
  } else {
    loaded_ = console_->load(ConsoleFile(language.code), kTranslations);
    // English is Qt's own language: for it there is no file, and none is needed.
    (void)toolkit_->load(QStringLiteral("qtbase_") + ToQString(language.code), qtTranslations);
  }
  for (QTranslator* translator : {console_.get(), toolkit_.get()})
    if (!translator->isEmpty()) QCoreApplication::installTranslator(translator);
  SetTranslateHook(&TranslateThroughQt);
}

InterfaceLanguage::~InterfaceLanguage() {
  SetTranslateHook(nullptr);
  QCoreApplication::removeTranslator(console_.get());
  QCoreApplication::removeTranslator(toolkit_.get());
}

}  // namespace kestrova
