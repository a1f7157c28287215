#include "report/model/TfrxIniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(IniFile, AnyOtherNameIsASettingsTextFileOfSections)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("designer.ini");
    {
        TfrxIniFile store(path);
        EXPECT_FALSE(store.IsUserSettings());
        store.WriteString("Form5.TfrxDesignerForm", "Units", "duCM");
        store.WriteInteger("Form5.TfrxDesignerForm", "Left", -12);
        store.WriteBool("Form5.TfrxObjectInspector", "Visible", true);
        store.UpdateFile();
    }
    const QString text = fileText(path);
    EXPECT_TRUE(text.contains("[Form5.TfrxDesignerForm]")) << text.toStdString();
    EXPECT_TRUE(text.contains("Units=duCM"));
    EXPECT_TRUE(text.contains("[Form5.TfrxObjectInspector]"));

    TfrxIniFile store(path);
    EXPECT_EQ(store.ReadString("Form5.TfrxDesignerForm", "Units", ""), "duCM");
    EXPECT_EQ(store.ReadInteger("Form5.TfrxDesignerForm", "Left", 0), -12);
    EXPECT_EQ(store.ReadInteger("Form5.TfrxDesignerForm", "Units", 7), 7) << "not a number";
    EXPECT_TRUE(store.ReadBool("Form5.TfrxObjectInspector", "Visible", false));
    EXPECT_FALSE(store.ReadBool("Form5.TfrxObjectInspector", "Missing", false));
    EXPECT_EQ(store.ReadSection("Form5.TfrxDesignerForm"), (QStringList{"Left", "Units"}));
    EXPECT_TRUE(store.SectionExists("Form5.TfrxObjectInspector"));
    store.DeleteKey("Form5.TfrxDesignerForm", "Left");
    EXPECT_FALSE(store.ValueExists("Form5.TfrxDesignerForm", "Left"));
    store.EraseSection("Form5.TfrxObjectInspector");
    EXPECT_FALSE(store.SectionExists("Form5.TfrxObjectInspector"));
}

TEST(IniFile, ANameUnderSoftwareIsTheUsersOwnSettings)
{
    // The user's settings of a test go to a test folder rather than the real ones.
    QStandardPaths::setTestModeEnabled(true);
    const QString name =
        QStringLiteral("\\Software\\FrxIniFileTest%1\\Designer").arg(QCoreApplication::applicationPid());
    QString fileName;
    {
        TfrxIniFile store(name);
        EXPECT_TRUE(store.IsUserSettings());
        store.WriteString("Form5.TfrxDesignerForm", "Units", "duPixels");
        store.UpdateFile();
        fileName = store.GetFileName();
    }
    EXPECT_TRUE(QFile::exists(fileName));
    EXPECT_FALSE(QFile::exists(name)) << "not a file of that name";
    EXPECT_TRUE(fileName.contains(QStringLiteral("FrxIniFileTest")));
    EXPECT_EQ(TfrxIniFile(name).ReadString("Form5.TfrxDesignerForm", "Units", ""), "duPixels");
    QFile::remove(fileName);
    QStandardPaths::setTestModeEnabled(false);
}
