#include "app/Dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {

// The save dialog's filter comes as "description|pattern" pairs; the platform dialog wants
// "description (pattern)" entries.
QString toQtFilter(const QString& pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return entries.join(QStringLiteral(";;"));
}

class PlatformDialogs final : public Dialogs {
public:
    QString getOpenFileName(QWidget* parent, const QString& folder) override
    {
        return QFileDialog::getOpenFileName(parent, QString(), folder);
    }

    QString getSaveFileName(QWidget* parent, const QString& folder, const QString& filter) override
    {
        QFileDialog dialog(parent, QString(), folder, toQtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        // A name typed without an extension gets the extension of the chosen filter.
        const QString pattern = filter.section(u'|', 1, 1);
        dialog.setDefaultSuffix(pattern.startsWith(QLatin1String("*.")) ? pattern.mid(2) : QString());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    void showMessage(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    }

    void showError(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    }

    void openDocument(const QString& path) override
    {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

Dialogs* gReplacement = nullptr;

} // namespace

Dialogs& dialogs()
{
    static PlatformDialogs platform;
    return gReplacement ? *gReplacement : platform;
}

void setDialogs(Dialogs* replacement)
{
    gReplacement = replacement;
}

QString applicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
