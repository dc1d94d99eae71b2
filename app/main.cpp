#include "app/base/font_names.h"
#include "app/windows/application.h"

#include <QApplication>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(u"Velumo"_s);
    QApplication::setApplicationDisplayName(u"Velumo"_s);
    velumo::installFontSubstitutions();

    velumo::Application app({
        velumo::ProgramFolder::ofExecutable(),
        velumo::defaultTemplatePlayerFactory(),
        // Closing the main window ends the process with this code; nothing else runs.
        [](int code) { QCoreApplication::exit(code); },
        QString(),
        velumo::photoFileDialog(),
        nullptr,
    });
    if (const std::optional<int> code = app.start())
        return *code;
    return QApplication::exec();
}
