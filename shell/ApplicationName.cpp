#include "ApplicationName.h"

#include <QCoreApplication>
#include <QFileInfo>

QString applicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
