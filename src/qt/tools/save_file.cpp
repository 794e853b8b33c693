#include "qt/tools/save_file.h"

#include <QDir>
#include <QSaveFile>

#include "qt/text.h"
#include "values/tr.h"

namespace kestrova {

std::optional<QString> SaveFile(const QString& path, const QByteArray& contents) {
  QSaveFile file(path);
  // Unbuffered, so a short write (a full disk, a size limit) shows in what write() returns:
  // buffered, Qt 6.4's flush at commit() takes a short write for success and puts the cut file
  // in place of the old one.
  if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(contents) == contents.size() &&
      file.commit())
    return std::nullopt;
  const QString why = file.errorString();
  file.cancelWriting();
  return UiText("SaveFile", "无法保存 %1：%2").arg(QDir::toNativeSeparators(path), why);
}

}  // namespace kestrova
