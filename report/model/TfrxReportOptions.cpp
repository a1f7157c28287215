#include "report/model/TfrxReportOptions.h"

#include "report/model/TfrxPropertyTable.h"

#include <QDateTime>

const TfrxPropertyList& TfrxReportOptions::GetProperties() const
{
    using R = TfrxReportOptions;
    static const TfrxPropertyList list =
        TfrxPropertyTable<R>()
            .String("Author", &R::GetAuthor, &R::SetAuthor)
            .Boolean("Compressed", &R::GetCompressed, &R::SetCompressed)
            .Default(false)
            .String("ConnectionName", &R::GetConnectionName, &R::SetConnectionName)
            .Float("CreateDate", &R::GetCreateDate, &R::SetCreateDate)
            .TypeName("TDateTime")
            .Strings("Description", &R::GetDescription, &R::SetDescription)
            .String("InitString", &R::GetInitString, &R::SetInitString)
            .String("Name", &R::GetName, &R::SetName)
            .Float("LastChange", &R::GetLastChange, &R::SetLastChange)
            .TypeName("TDateTime")
            .String("Password", &R::GetPassword, &R::SetPassword)
            .Object(pkPicture, "Picture", "TPicture", &R::GetPicture)
            .String("VersionBuild", &R::GetVersionBuild, &R::SetVersionBuild)
            .String("VersionMajor", &R::GetVersionMajor, &R::SetVersionMajor)
            .String("VersionMinor", &R::GetVersionMinor, &R::SetVersionMinor)
            .String("VersionRelease", &R::GetVersionRelease, &R::SetVersionRelease)
            .Build();
    return list;
}

void TfrxReportOptions::Clear()
{
    FAuthor.clear();
    FCompressed = false;
    FCreateDate = FLastChange = dateTimeToValue(QDateTime::currentDateTime());
    FDescription.clear();
    FPicture.Clear();
    FVersionBuild.clear();
    FVersionMajor.clear();
    FVersionMinor.clear();
    FVersionRelease.clear();
    FConnectionName.clear();
    FInitString.clear();
    FName.clear();
    FPassword.clear();
}

void TfrxReportOptions::Assign(const TfrxReportOptions& source)
{
    if (&source == this)
        return;
    frxCopyProperties(*this, source);
    FHiddenPassword = source.FHiddenPassword;
}
