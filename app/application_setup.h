// What the program sets on its QApplication before any window exists.
#pragma once

class QApplication;

namespace tesmar::app {

// The program's name (without a display name, which the window manager
// would append to every title), and Qt's own texts in Russian (file
// dialogs, standard buttons) from the system's Qt translations.
void ConfigureApplication(QApplication& app);

}  // namespace tesmar::app
