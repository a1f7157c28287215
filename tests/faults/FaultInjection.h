#pragma once

#include <QString>

#include <csignal>
#include <sys/resource.h>

// Makes every write of this process past Bytes of a file fail, as a full disk does, while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit FSaved{};
    void (*FSavedHandler)(int) = SIG_DFL;
};

// A file system of its own, Bytes large, over Folder while it lives: it fills up or turns read-only on
// demand. Mounting needs the privilege to mount; GetMounted says whether it was granted.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& folder, qint64 bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool GetMounted() const { return FMounted; }
    // Takes every free block with a file of its own, so that the next block anyone writes fails.
    void Fill();
    void MakeReadOnly();

private:
    QString FFolder;
    bool FMounted = false;
};
