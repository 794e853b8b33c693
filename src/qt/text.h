#pragma once
// Text between the toolkit and the core: the core keeps UTF-8 in std::string, the windows
// QString. Every conversion goes through here.
#include <QString>
#include <string>
#include <string_view>

namespace kestrova {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

}  // namespace kestrova
