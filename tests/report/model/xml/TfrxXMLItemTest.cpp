#include "report/model/xml/TfrxXMLItem.h"

#include "common/Exception.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(TfrxXMLItemAttributes, ReadsIgnoringLetterCaseAndUnescapes)
{
    TfrxXMLItem item;
    item.SetText(QStringLiteral("Name=\"Memo12\" Left=\"56,69295\" Text=\"12_категории &#34;В&#34;\""));
    EXPECT_EQ(item.GetProp(QStringLiteral("LEFT")), QStringLiteral("56,69295"));
    EXPECT_EQ(item.GetProp(QStringLiteral("text")), QStringLiteral("12_категории \"В\""));
    EXPECT_EQ(item.GetProp(QStringLiteral("Top")), QString());
    EXPECT_TRUE(item.PropExists(QStringLiteral("name")));
    EXPECT_FALSE(item.PropExists(QStringLiteral("Nam")));
    EXPECT_FALSE(item.PropExists(QStringLiteral("ame")));
}

TEST(TfrxXMLItemAttributes, WritingAnExistingAttributeReplacesItInPlaceWithTheNewSpelling)
{
    TfrxXMLItem item;
    item.SetText(QStringLiteral("name=\"Memo1\" Left=\"10\""));
    item.SetProp(QStringLiteral("Name"), QStringLiteral("Memo \"2\""));
    EXPECT_EQ(item.GetText(), QStringLiteral("Name=\"Memo &#34;2&#34;\" Left=\"10\""));
    EXPECT_EQ(item.GetProp(QStringLiteral("LEFT")), QStringLiteral("10"));
}

TEST(TfrxXMLItemAttributes, WritingANewAttributeAppendsIt)
{
    const struct {
        QString before;
        QString after;
    } cases[] = {
        {QString(), QStringLiteral("a=\"1\"")},
        {QStringLiteral("b=\"2\""), QStringLiteral("b=\"2\" a=\"1\"")},
        {QStringLiteral("b=\"2\" "), QStringLiteral("b=\"2\" a=\"1\"")},
    };
    for (const auto& c : cases) {
        TfrxXMLItem item;
        item.SetText(c.before);
        item.SetProp(QStringLiteral("a"), QStringLiteral("1"));
        EXPECT_EQ(item.GetText(), c.after);
    }
}

TEST(TfrxXMLItemAttributes, DeletingRemovesTheAttributeAndTheCharacterAfterIt)
{
    const struct {
        QString name;
        QString after;
    } cases[] = {
        {QStringLiteral("a"), QStringLiteral("b=\"2\" c=\"3\"")},
        {QStringLiteral("B"), QStringLiteral("a=\"1\" c=\"3\"")},
        {QStringLiteral("c"), QStringLiteral("a=\"1\" b=\"2\" ")},
        {QStringLiteral("d"), QStringLiteral("a=\"1\" b=\"2\" c=\"3\"")},
    };
    for (const auto& c : cases) {
        TfrxXMLItem item;
        item.SetText(QStringLiteral("a=\"1\" b=\"2\" c=\"3\""));
        item.DeleteProp(c.name);
        EXPECT_EQ(item.GetText(), c.after) << c.name.toStdString();
    }
}

TEST(TfrxXMLItemAttributes, AValueEndingLikeAnAttributeNameIsNotTakenForThatAttribute)
{
    TfrxXMLItem item;
    item.SetProp(QStringLiteral("u"), QStringLiteral("x Rotation="));
    item.SetProp(QStringLiteral("Rotation"), QStringLiteral("90"));
    EXPECT_EQ(item.GetText(), QStringLiteral("u=\"x Rotation=\" Rotation=\"90\""));
    EXPECT_EQ(item.GetProp(QStringLiteral("Rotation")), QStringLiteral("90"));
    item.SetProp(QStringLiteral("Rotation"), QStringLiteral("180"));
    EXPECT_EQ(item.GetProp(QStringLiteral("u")), QStringLiteral("x Rotation="));
    EXPECT_EQ(item.GetProp(QStringLiteral("Rotation")), QStringLiteral("180"));
}

TEST(TfrxXMLItemAttributes, DamagedAttributeTextGivesDefinedValues)
{
    TfrxXMLItem item;
    item.SetText(QStringLiteral("junk a=1 b=\"2\" c=\"unterminated"));
    EXPECT_EQ(item.GetProp(QStringLiteral("a")), QString());
    EXPECT_EQ(item.GetProp(QStringLiteral("b")), QStringLiteral("2"));
    EXPECT_EQ(item.GetProp(QStringLiteral("c")), QStringLiteral("unterminated"));
    item.SetText(QStringLiteral("v=\"&#1x;\""));
    EXPECT_THROW(item.GetProp(QStringLiteral("v")), Exception);
}

TEST(TfrxXMLItemTree, FindsChildrenByNameIgnoringLetterCase)
{
    TfrxXMLItem root;
    root.Add(QStringLiteral("previewpages"));
    TfrxXMLItem* outline = root.Add(QStringLiteral("Outline"));
    EXPECT_EQ(root.Find(QStringLiteral("OUTLINE")), 1);
    EXPECT_EQ(root.Find(QStringLiteral("anchors")), -1);
    EXPECT_EQ(root.FindItem(QStringLiteral("outline")), outline);
    TfrxXMLItem* anchors = root.FindItem(QStringLiteral("anchors"));
    EXPECT_EQ(root.GetCount(), 3);
    EXPECT_EQ(root.IndexOf(anchors), 2);
    EXPECT_EQ(anchors->GetName(), QStringLiteral("anchors"));
    EXPECT_EQ(anchors->GetParent(), &root);
}

TEST(TfrxXMLItemTree, AddingAnElementWithAParentMovesIt)
{
    TfrxXMLItem root;
    TfrxXMLItem* a = root.Add(QStringLiteral("a"));
    TfrxXMLItem* b = root.Add(QStringLiteral("b"));
    TfrxXMLItem* moved = a->Add(QStringLiteral("moved"));
    b->AddItem(moved);
    EXPECT_EQ(a->GetCount(), 0);
    EXPECT_EQ(b->GetItems(0), moved);
    EXPECT_EQ(moved->GetParent(), b);
    EXPECT_EQ(moved->GetRoot(), &root);

    root.InsertItem(0, b);
    EXPECT_EQ(root.GetItems(0), b);
    EXPECT_EQ(root.GetItems(1), a);

    root.InsertItem(1, std::make_unique<TfrxXMLItem>());
    EXPECT_EQ(root.GetCount(), 3);
    EXPECT_EQ(root.GetItems(1)->GetParent(), &root);
}

TEST(TfrxXMLItemTree, DestroyingAChildRemovesItFromItsParent)
{
    TfrxXMLItem root;
    root.Add(QStringLiteral("a"));
    TfrxXMLItem* b = root.Add(QStringLiteral("b"));
    b->Add(QStringLiteral("c"));
    delete b;
    ASSERT_EQ(root.GetCount(), 1);
    EXPECT_EQ(root.GetItems(0)->GetName(), QStringLiteral("a"));
}

TEST(TfrxXMLItemTree, ClearingAnUnloadableElementMarksItNotLoaded)
{
    TfrxXMLItem plain;
    plain.Add();
    plain.Clear();
    EXPECT_EQ(plain.GetCount(), 0);
    EXPECT_TRUE(plain.GetLoaded());

    TfrxXMLItem unloadable;
    unloadable.SetUnloadable(true);
    unloadable.Add();
    unloadable.Clear();
    EXPECT_FALSE(unloadable.GetLoaded());
}

TEST(TfrxXMLItemTree, WrongIndexesAndCyclesAreRefusedWithoutHarm)
{
    TfrxXMLItem root;
    TfrxXMLItem* a = root.Add(QStringLiteral("a"));
    TfrxXMLItem* b = a->Add(QStringLiteral("b"));
    EXPECT_THROW(root.GetItems(1), Exception);
    EXPECT_THROW(root.GetItems(-1), Exception);
    EXPECT_THROW(root.InsertItem(2, b), Exception);
    EXPECT_EQ(b->GetParent(), a);
    EXPECT_THROW(b->AddItem(a), std::logic_error);
    EXPECT_EQ(a->GetParent(), &root);
    EXPECT_EQ(a->GetItems(0), b);
    TfrxXMLItem orphan;
    EXPECT_THROW(root.AddItem(&orphan), std::logic_error);
    EXPECT_EQ(root.GetCount(), 1);
}
