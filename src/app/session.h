#pragma once

#include <QString>

// The values that hold for the whole run once an operator has logged in.
struct Session {
    QString CurrentOperatorCode;
    QString CurrentOperatorName;
    QString CurrentOperatorRights;  // BM_YG.QXQT as read at login
    QString SetupRights;            // BM_YG.QXQT as read by the last SetupQX
    bool ShortDocumentIds = false;
    // Set when a document header goes into editing, cleared by a successful save.
    bool UnsavedChanges = false;
};

// The one session of this process.
Session& session();
