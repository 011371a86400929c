#pragma once

#include "shell/app_paths.h"
#include "shell/message_routines.h"
#include "store/database_factory.h"
#include "store/database_module.h"

#include "support/recording_messages.h"

#include <QTemporaryDir>

#include <memory>

// A profiles folder of the test's own, messages recorded instead of shown, and the program's
// ending noted instead of done.
class StoreFixture
{
public:
    StoreFixture()
    {
        TAppPaths::SetProfilesFolderInUse(folder.path());
        terminated = false;
        SetTerminationHandler([] { terminated = true; });
    }
    ~StoreFixture()
    {
        module.reset();
        SetTerminationHandler(nullptr);
    }

    QString databasePath() const { return folder.filePath(TDBFM::DatabaseFileName); }

    // The start-up sequence: the database created and upgraded, then the working connection.
    void startUp()
    {
        TDBFM factory;
        module = std::make_unique<TDBM>();
    }

    QTemporaryDir folder;
    RecordingMessages messages;
    std::unique_ptr<TDBM> module;
    static inline bool terminated = false;
};
