#pragma once

#include <QApplication>

// The application object. Any error that escapes a command reaches notify(), which shows its
// message in a modal box; the program then carries on with whatever state the command left.
class CertApplication : public QApplication {
public:
    CertApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
