#pragma once

#include <QString>

// The program's folders. Paths end with "/".
class TAppPaths
{
public:
    // The folder of the running program.
    static QString ExePath();
    // The per-user profiles folder: the environment variable "AppData" (trimmed) when it is set,
    // otherwise the platform's per-user data folder; then "Orvana/Samvidra/Profiles/". It does not
    // look for the "debug" marker.
    static QString ProfilesPath();

    // The profiles folder the program uses: ProfilesPath(), or with a file named "debug" beside the
    // program, "Orvana/Samvidra/Profiles/" under the program folder.
    static QString ProfilesFolder(const QString &programFolder, const QString &appData,
                                  const QString &userDataFolder);

    // Computes the profiles folder once at start-up and creates it with its missing parents.
    static void Initialise();
    // The folder Initialise() settled on; tests may set it to a folder of their own.
    static QString ProfilesFolderInUse();
    static void SetProfilesFolderInUse(const QString &folder);
};
