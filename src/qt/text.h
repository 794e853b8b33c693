#pragma once
// Text between the toolkit and the core: the core keeps UTF-8 in std::string, the windows
// QString. Every conversion goes through here.
#include <QCoreApplication>
#include <QString>
#include <string>
#include <string_view>

namespace kestrova {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// A text of the windows in the interface language: the Chinese source looked up in the
// installed translation of its context (lupdate reads these calls, see CMakeLists.txt).
inline QString UiText(const char* context, const char* source) {
  return QCoreApplication::translate(context, source);
}

}  // namespace kestrova
