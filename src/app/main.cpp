#include <QApplication>

#include "platform/Dialogs.h"
#include "platform/LocaleRegional.h"
#include "platform/SettingsStore.h"
#include "ui/HelpWindow.h"
#include "ui/MainUnit.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString programFolder = QCoreApplication::applicationDirPath();
    const corbel::LocaleRegional regional = corbel::LocaleRegional::system();
    corbel::QtDialogs dialogs;
    corbel::QtSettingsStore settings;
    corbel::ui::HelpWindow help(programFolder + "/CWHelp.Hlp");
    corbel::ui::TMORTLOAN window({regional, dialogs, help}, programFolder, settings,
                                 QCoreApplication::arguments().mid(1));
    window.show();
    return app.exec();
}
