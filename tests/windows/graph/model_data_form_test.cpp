#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "model_data_form.h"
#include "session.h"

namespace zorvik::testing {
namespace {

class ModelDataFormTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { sheet.close(); }

    void Open(int model) {
        session.SelectPump(model);
        sheet.close();
        sheet.show();
        QApplication::processEvents();
    }
    QLabel* Label(const char* name) { return sheet.findChild<QLabel*>(QString::fromLatin1(name)); }
    QString Text(const char* name) { return Label(name)->text(); }
    bool Shows(const char* name) { return Label(name)->isVisible(); }

    Session session;
    TmodelDataForm sheet{session};
};

TEST_F(ModelDataFormTest, RowsOfASupplyAssistedModel) {
    Open(5);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Model Selection Data"));
    const std::pair<const char*, const char*> rows[] = {
        {"pumpModelLabel", "RB-8 "},
        {"minAirbarLabel", "2.8 barg"},
        {"minAirPsiLabel", "( 40 psig )"},
        {"maxAirBarLabel", "10.3 barg"},
        {"maxAirPsiLabel", "( 150 psig )"},
        {"minInletBarLabel", "1.7 barg"},
        {"minInletPsiLabel", "( 25 psig )"},
        {"maxInletBarLabel", "86.2 barg"},
        {"maxInletPsiLabel", "( 1250 psig )"},
        {"maxOutletBarLabel", "172.4 barg"},
        {"maxOutletPsiLabel", "( 2500 psig )"},
        {"MaxCompressionRatioLabel", "20.0 : 1"},
        {"pistonDisplacementLitreLabel", "0.203 litre"},
        {"pistonDisplacementIn3Label", "( 12.40 cu. inch )"},
        {"stallPressureFormulaLabel1", "( 7.0 x pAir )"},
        {"stallPressureFormulaLabel2", "+  ( 1.0 x pSupply )"},
    };
    for (const auto& [name, text] : rows) {
        EXPECT_EQ(Text(name), QString::fromLatin1(text)) << name;
        EXPECT_TRUE(Shows(name)) << name;
    }
    for (const char* hidden :
         {"dependentLabel", "interstageStallHdLabel", "interstageStallFormulaLabel", "Label1", "Label2", "Label3"})
        EXPECT_FALSE(Shows(hidden)) << hidden;
}

TEST_F(ModelDataFormTest, StallFormulaWithAndWithoutTheSupplyTerm) {
    const struct {
        int model;
        const char* first;
        const char* second;  // nullptr: hidden
        // clang-format off
    } cases[] = {
        {6, "15.0 x pAir", nullptr},                       // single acting
        {1, "2.5 x pAir", nullptr},                        // CRB19
        {8, "( 1.0 x pAir )", "+  ( 1.0 x pSupply )"},     // double acting
        {12, "( 30.0 x pAir )", "+  ( 4.2 x pSupply )"},   // two stage
        {4, "( 1.0 x pAir )", "+  ( 1.0 x pSupply )"},    // 0.985 to one decimal
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        Open(c.model);
        EXPECT_EQ(Text("stallPressureFormulaLabel1"), QString::fromLatin1(c.first));
        EXPECT_EQ(Shows("stallPressureFormulaLabel2"), c.second != nullptr);
        if (c.second != nullptr) {
            EXPECT_EQ(Text("stallPressureFormulaLabel2"), QString::fromLatin1(c.second));
        }
    }
}

// Two-stage models have no fixed inlet maximum: the interstage row says how
// high the inlet may go.
TEST_F(ModelDataFormTest, TwoStageModelsShowTheInterstageRow) {
    const std::pair<int, const char*> models[] = {
        {12, "less than 2.0 x pAir"}, {13, "less than 15.0 x pAir"}, {14, "less than 30.0 x pAir"}};
    for (const auto& [model, formula] : models) {
        SCOPED_TRACE(model);
        Open(model);
        EXPECT_EQ(Text("interstageStallFormulaLabel"), QString::fromLatin1(formula));
        for (const char* shown :
             {"dependentLabel", "interstageStallHdLabel", "interstageStallFormulaLabel", "minInletBarLabel"})
            EXPECT_TRUE(Shows(shown)) << shown;
        for (const char* hidden : {"maxInletBarLabel", "maxInletPsiLabel"}) EXPECT_FALSE(Shows(hidden)) << hidden;
    }
    Open(10);
    EXPECT_TRUE(Shows("maxInletBarLabel"));
    EXPECT_FALSE(Shows("interstageStallHdLabel"));
}

TEST_F(ModelDataFormTest, OwnDriveAirModelsShowTheCommonConnection) {
    for (int model : {1, 2, 3}) {
        SCOPED_TRACE(model);
        Open(model);
        EXPECT_FALSE(sheet.findChild<QWidget*>(QStringLiteral("gasInletDataPanel"))->isVisible());
        EXPECT_EQ(Text("Label1"), QStringLiteral("Gas inlet pressure (Ps) should be equal to"));
        EXPECT_EQ(Text("Label2"), QStringLiteral("Air drive pressure  (Pa) with this model."));
        EXPECT_EQ(Text("Label3"), QStringLiteral("Use a common connection for drive and input supply"));
        for (const char* shown : {"Label1", "Label2", "Label3", "maxOutletBarLabel"})
            EXPECT_TRUE(Shows(shown)) << shown;
    }
    Open(1);
    EXPECT_EQ(Text("pistonDisplacementLitreLabel"), QStringLiteral("0.039 litre"));
    EXPECT_EQ(Text("pistonDisplacementIn3Label"), QStringLiteral("( 2.40 cu. inch )"));
    EXPECT_EQ(Text("MaxCompressionRatioLabel"), QStringLiteral("2.5 : 1"));
}

// Every text of every model fits its label and no two visible labels
// overlap.
TEST_F(ModelDataFormTest, EveryModelsSheetFits) {
    for (int model = 1; model <= 15; ++model) {
        SCOPED_TRACE(model);
        Open(model);
        std::vector<QLabel*> shown;
        for (QLabel* label : sheet.findChildren<QLabel*>()) {
            if (!label->isVisible()) continue;
            shown.push_back(label);
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->objectName().toStdString();
            } else {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                    << label->objectName().toStdString();
            }
            EXPECT_TRUE(sheet.rect().contains(label->mapTo(&sheet, label->rect().bottomRight())));
        }
        for (std::size_t i = 0; i < shown.size(); ++i)
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                const QRect a(shown[i]->mapTo(&sheet, QPoint()), shown[i]->size());
                const QRect b(shown[j]->mapTo(&sheet, QPoint()), shown[j]->size());
                EXPECT_FALSE(a.intersects(b))
                    << shown[i]->objectName().toStdString() << " and " << shown[j]->objectName().toStdString();
            }
    }
}

TEST_F(ModelDataFormTest, OkCloses) {
    Open(9);
    auto* ok = sheet.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    EXPECT_TRUE(ok->isDefault());
    ok->click();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace zorvik::testing
