#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <gtest/gtest.h>

// These run where no print server answers (CUPS_SERVER names a socket nobody listens on).
namespace {

class NoPrinterTest : public ::testing::Test {
protected:
    void SetUp() override { frxPrinters()->FillPrinters(); }
};

TEST_F(NoPrinterTest, TheVirtualPrinterTakesThePlaceOfThePrinters)
{
    TfrxPrinters* printers = frxPrinters();
    EXPECT_FALSE(printers->GetHasPhysicalPrinters());
    EXPECT_EQ(printers->GetPrinters(), QStringList{QStringLiteral("Virtual")});
    EXPECT_EQ(printers->GetPrinterIndex(), 0);
    TfrxCustomPrinter* printer = printers->GetPrinter();
    ASSERT_NE(printer, nullptr);
    EXPECT_TRUE(printer->GetInitialized());
    EXPECT_EQ(printer->GetDPI(), QPoint(600, 600));

    printer->SetViewParams(11, 0, 0, poPortrait);
    EXPECT_EQ(printer->GetPaperWidth(), 148);
    EXPECT_EQ(printer->GetPaperHeight(), 210);
    EXPECT_EQ(printer->GetLeftMargin(), 5);
}

TEST_F(NoPrinterTest, TheDefaultPrinterIsNoneWithoutAPrintServer)
{
    TfrxPrinters* printers = frxPrinters();
    EXPECT_TRUE(frxDefaultPrinterName().isEmpty());
    printers->SetPrinterIndex(-1);
    EXPECT_EQ(printers->GetPrinterIndex(), -1);
    EXPECT_EQ(printers->GetPrinter(), nullptr);
}

TEST_F(NoPrinterTest, IndexesOutsideTheListNameNoPrinter)
{
    TfrxPrinters* printers = frxPrinters();
    EXPECT_EQ(printers->IndexOf(QStringLiteral("VIRTUAL")), 0);
    EXPECT_EQ(printers->IndexOf(QStringLiteral("Default")), -1);
    printers->SetPrinterIndex(5);
    EXPECT_EQ(printers->GetPrinterIndex(), 5);
    EXPECT_EQ(printers->GetPrinter(), nullptr);
    EXPECT_EQ(printers->GetItem(-1), nullptr);
}

TEST_F(NoPrinterTest, ClearEmptiesTheListUntilItIsFilledAgain)
{
    TfrxPrinters* printers = frxPrinters();
    printers->Clear();
    EXPECT_TRUE(printers->GetPrinters().isEmpty());
    EXPECT_EQ(printers->GetPrinter(), nullptr);
    printers->FillPrinters();
    EXPECT_EQ(printers->GetPrinters().size(), 1);
    EXPECT_NE(printers->GetPrinter(), nullptr);
}

} // namespace
