#include "shell/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString profilesSubfolder = u"Orvana/Samvidra/Profiles/"_s;

QString withSlash(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

QString profilesFolderInUse;

} // namespace

QString TAppPaths::ExePath()
{
    return withSlash(QCoreApplication::applicationDirPath());
}

QString TAppPaths::ProfilesFolder(const QString &programFolder, const QString &appData,
                                  const QString &userDataFolder)
{
    if (QFileInfo::exists(withSlash(programFolder) + u"debug"_s))
        return withSlash(programFolder) + profilesSubfolder;
    const QString base = appData.trimmed().isEmpty() ? userDataFolder : appData.trimmed();
    return withSlash(QDir::fromNativeSeparators(base)) + profilesSubfolder;
}

QString TAppPaths::ProfilesPath()
{
    return ProfilesFolder(QString(), qEnvironmentVariable("AppData"),
                          QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

void TAppPaths::Initialise()
{
    profilesFolderInUse =
        ProfilesFolder(ExePath(), qEnvironmentVariable("AppData"),
                       QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QDir().mkpath(profilesFolderInUse);
}

QString TAppPaths::ProfilesFolderInUse()
{
    return profilesFolderInUse;
}

void TAppPaths::SetProfilesFolderInUse(const QString &folder)
{
    profilesFolderInUse = withSlash(folder);
}
