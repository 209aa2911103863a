#pragma once

#include <QLockFile>
#include <QString>

// One running program per home. The lock is held until this object goes; a
// lock left by a run that crashed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& homeFolder);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another process holds the home.
    bool acquired() const { return acquired_; }

private:
    QLockFile lock_;
    bool acquired_ = false;
};
