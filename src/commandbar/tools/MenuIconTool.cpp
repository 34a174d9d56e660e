// Build-time tool: draws the command bar's icons into the folder given as its argument.
#include "MenuIconArtist.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: rpq_menuicons <folder>\n");
        return 2;
    }
    const int expected = int(commandbar::MenuIconArtist::keys().size() * commandbar::MenuIconArtist::states().size());
    return commandbar::MenuIconArtist::writeAll(args.at(1)) == expected ? 0 : 1;
}
