#pragma once
// Qt's own texts (the buttons of message boxes, the context menu of a text field) in Chinese.
class QCoreApplication;

namespace kestrova {

// Loads Qt's Chinese translations when the system has them (Debian: qt6-translations-l10n);
// without them the console starts all the same, with Qt's English texts. Returns whether
// they were loaded.
bool LoadQtTranslations(QCoreApplication& app);

}  // namespace kestrova
