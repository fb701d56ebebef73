#pragma once

class QCoreApplication;

namespace qt_japanese {

// Loads Qt's own Japanese translation (qtbase_ja.qm) and makes Japanese the
// default locale, so the standard buttons and dialogs speak Japanese like
// the rest of the program, whatever the user's locale. Returns false, and
// leaves Qt's English texts, when the translation is missing.
bool install(QCoreApplication& app);

}  // namespace qt_japanese
