#include "kit/ProgramFolder.h"

#include <QCoreApplication>

namespace kit {

QString ProgramFolder::path()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace kit
