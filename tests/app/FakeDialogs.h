#pragma once

#include "app/Dialogs.h"

#include <QStringList>

// Answers the window's dialogs from a script and records what it was told.
class FakeDialogs final : public Dialogs {
public:
    FakeDialogs() { setDialogs(this); }
    ~FakeDialogs() override { setDialogs(nullptr); }

    QString getOpenFileName(QWidget*, const QString& folder) override
    {
        openFolders << folder;
        return nextOpen;
    }
    QString getSaveFileName(QWidget*, const QString& folder, const QString& filter) override
    {
        saveFolders << folder;
        saveFilters << filter;
        return nextSave;
    }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    void showError(QWidget*, const QString& text) override { errors << text; }
    void openDocument(const QString& path) override { openedDocuments << path; }

    QString nextOpen;
    QString nextSave;
    QStringList openFolders, saveFolders, saveFilters;
    QStringList messages, errors, openedDocuments;
};
