#pragma once

#include "common/DateValue.h"
#include "report/model/TfrxPicture.h"

#include <QStringList>

// Facts about the report itself (ReportOptions in templates).
class TfrxReportOptions : public TfrxPersistent {
public:
    QString GetClassName() const override { return QStringLiteral("TfrxReportOptions"); }
    const TfrxPropertyList& GetProperties() const override;

    const QString& GetAuthor() const { return FAuthor; }
    void SetAuthor(const QString& value) { FAuthor = value; }
    bool GetCompressed() const { return FCompressed; }
    void SetCompressed(bool value) { FCompressed = value; }
    const QString& GetConnectionName() const { return FConnectionName; }
    void SetConnectionName(const QString& value) { FConnectionName = value; }
    TDateTime GetCreateDate() const { return FCreateDate; }
    void SetCreateDate(TDateTime value) { FCreateDate = value; }
    const QStringList& GetDescription() const { return FDescription; }
    void SetDescription(const QStringList& value) { FDescription = value; }
    const QString& GetInitString() const { return FInitString; }
    void SetInitString(const QString& value) { FInitString = value; }
    const QString& GetName() const { return FName; }
    void SetName(const QString& value) { FName = value; }
    TDateTime GetLastChange() const { return FLastChange; }
    void SetLastChange(TDateTime value) { FLastChange = value; }
    const QString& GetPassword() const { return FPassword; }
    void SetPassword(const QString& value) { FPassword = value; }
    // A password of the host that opens a protected template without asking; never stored.
    const QString& GetHiddenPassword() const { return FHiddenPassword; }
    void SetHiddenPassword(const QString& value) { FHiddenPassword = value; }
    TfrxPicture* GetPicture() { return &FPicture; }
    const TfrxPicture* GetPicture() const { return &FPicture; }
    void SetPicture(const TfrxPicture& value) { FPicture.Assign(value); }
    const QString& GetVersionBuild() const { return FVersionBuild; }
    void SetVersionBuild(const QString& value) { FVersionBuild = value; }
    const QString& GetVersionMajor() const { return FVersionMajor; }
    void SetVersionMajor(const QString& value) { FVersionMajor = value; }
    const QString& GetVersionMinor() const { return FVersionMinor; }
    void SetVersionMinor(const QString& value) { FVersionMinor = value; }
    const QString& GetVersionRelease() const { return FVersionRelease; }
    void SetVersionRelease(const QString& value) { FVersionRelease = value; }

    // Everything empty, the creation and change dates now; HiddenPassword stays.
    void Clear();
    void Assign(const TfrxReportOptions& source);

private:
    QString FAuthor;
    bool FCompressed = false;
    QString FConnectionName;
    TDateTime FCreateDate = 0;
    QStringList FDescription;
    QString FInitString;
    QString FName;
    TDateTime FLastChange = 0;
    QString FPassword;
    QString FHiddenPassword;
    TfrxPicture FPicture;
    QString FVersionBuild;
    QString FVersionMajor;
    QString FVersionMinor;
    QString FVersionRelease;
};
