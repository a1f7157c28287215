#pragma once

#include <QString>

class QWidget;

// The modal dialogs and shell services the certificate window uses. The window asks through this
// interface so that tests can answer the dialogs and see the messages without a person present.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Empty when the operator cancels.
    virtual QString getOpenFileName(QWidget* parent, const QString& folder) = 0;
    virtual QString getSaveFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;

    // A modal box with an OK button and the application title.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    virtual void showError(QWidget* parent, const QString& text) = 0;

    // Opens a document with its type's default action.
    virtual void openDocument(const QString& path) = 0;
};

// The dialogs in use: the platform's unless a test has put its own in place.
Dialogs& dialogs();
void setDialogs(Dialogs* replacement);

// The executable's file name without extension: the title of the application's message boxes.
QString applicationTitle();
