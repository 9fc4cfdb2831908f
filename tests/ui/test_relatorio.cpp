#include "ui/Relatorio.h"

#include "ui/Forma.h"
#include "ui/Linha.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include <map>
#include <ostream>

namespace ceravel {
namespace {

QLabel* Rotulo(const Relatorio& r, const char* nome)
{
    return r.findChild<QLabel*>(QString::fromLatin1(nome));
}

struct CasoDesign {
    const char* nome;
    const char* legenda;
};

void PrintTo(const CasoDesign& c, std::ostream* os) { *os << c.nome; }

class DesignRelatorio : public ::testing::TestWithParam<CasoDesign> {};

// Until the first calculation (and again after clearing, which builds a fresh
// report) every value label reads its design caption.
TEST_P(DesignRelatorio, ValueLabelReadsItsDesignCaption)
{
    Relatorio r;
    QLabel* l = Rotulo(r, GetParam().nome);
    ASSERT_NE(l, nullptr) << GetParam().nome;
    EXPECT_EQ(l->text(), QString::fromUtf8(GetParam().legenda));
    EXPECT_FALSE(l->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Rotulos, DesignRelatorio,
    ::testing::Values(CasoDesign{"Data", "Data"}, CasoDesign{"Epoca", "Epoca"}, CasoDesign{"Latitude", "Lat"},
                      CasoDesign{"Longitude", "Long"}, CasoDesign{"Label16", "graus"},
                      CasoDesign{"Label15", "graus"}, CasoDesign{"DMIN2", "DMIN"}, CasoDesign{"VD2", "VD"},
                      CasoDesign{"CX", "CX"}, CasoDesign{"VX2", "VX"}, CasoDesign{"CY", "CY"},
                      CasoDesign{"VY2", "VY"}, CasoDesign{"CZ", "CZ"}, CasoDesign{"VZ2", "VZ"},
                      CasoDesign{"CF", "CF"}, CasoDesign{"VF2", "VF"}, CasoDesign{"INC2", "INC"},
                      CasoDesign{"AIMIN2", "AIMIN"}, CasoDesign{"VI2", "VI"}, CasoDesign{"Label1", "Ceravel"},
                      CasoDesign{"Label5", "NG"}, CasoDesign{"Label4", "S"}, CasoDesign{"Label17", "O"},
                      CasoDesign{"Label18", "L"}),
    [](const auto& info) { return std::string(info.param.nome); });

// Label8 is an array of labels: the banner's first line and two headings.
TEST(Relatorio, Label8ArrayHoldsTheBannerLineAndTheHeadings)
{
    Relatorio r;
    std::map<int, QString> textos;
    for (QLabel* l : r.findChildren<QLabel*>(QStringLiteral("Label8")))
        textos[l->property("indice").toInt()] = l->text();
    EXPECT_EQ(textos, (std::map<int, QString>{
                          {0, QStringLiteral("Dados Complementares")},
                          {1, QStringLiteral("Ceravel - Campo Geomagnético no Brasil")},
                          {2, QStringLiteral("Componentes Cartesianas do Campo Geomagnético no Brasil")}}));
}

TEST(Relatorio, IsAWhitePageOfTheLayoutSizeWithItsNeedleHidden)
{
    Relatorio r;
    EXPECT_EQ(r.objectName(), QStringLiteral("Relatorio"));
    EXPECT_EQ(r.windowTitle(), QStringLiteral("Relatório"));
    // 10680 x 11145 twips at 15 twips per pixel.
    EXPECT_EQ(r.size(), QSize(712, 743));
    EXPECT_EQ(r.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(r.autoFillBackground());
    EXPECT_FALSE(r.isVisible());
    for (const char* nome : {"NVLine", "NVCirc", "NVTxt"}) {
        QWidget* w = r.findChild<QWidget*>(QString::fromLatin1(nome));
        ASSERT_NE(w, nullptr) << nome;
        EXPECT_TRUE(w->isHidden()) << nome;
    }
    EXPECT_EQ(r.agulha().linha, r.findChild<Linha*>(QStringLiteral("NVLine")));
}

struct CasoMoldura {
    const char* nome;
    const char* titulo;
    QRect geometria;  // pixels: twips / 15
};

void PrintTo(const CasoMoldura& c, std::ostream* os) { *os << c.nome; }

class MolduraRelatorio : public ::testing::TestWithParam<CasoMoldura> {};

TEST_P(MolduraRelatorio, StandsWhereTheLayoutPutsItWithItsCaption)
{
    Relatorio r;
    auto* m = r.findChild<QGroupBox*>(QString::fromLatin1(GetParam().nome));
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->title(), QString::fromUtf8(GetParam().titulo));
    EXPECT_EQ(m->geometry(), GetParam().geometria);
    EXPECT_FALSE(m->isHidden()) << "every frame of the report is visible from the start";
    EXPECT_EQ(m->parentWidget(), &r);
}

INSTANTIATE_TEST_SUITE_P(
    Molduras, MolduraRelatorio,
    ::testing::Values(CasoMoldura{"Frame1", "Dados de Entrada", QRect(24, 117, 671, 76)},
                      CasoMoldura{"FD", "Ceravel", QRect(424, 288, 268, 82)},
                      CasoMoldura{"FX", "X", QRect(24, 536, 328, 55)},
                      CasoMoldura{"FY", "Y", QRect(24, 600, 328, 55)},
                      CasoMoldura{"FZ", "Z", QRect(24, 664, 328, 55)},
                      CasoMoldura{"FF", "Intensidade Total", QRect(368, 536, 328, 55)},
                      CasoMoldura{"FI", "Inclinação", QRect(368, 600, 328, 55)}),
    [](const auto& info) { return std::string(info.param.nome); });

// Each value label sits in the frame that names it.
TEST(Relatorio, ValueLabelsLiveInTheirFrames)
{
    Relatorio r;
    const struct { const char* rotulo; const char* moldura; } casos[] = {
        {"Data", "Frame1"}, {"Epoca", "Frame1"}, {"Latitude", "Frame1"}, {"Longitude", "Frame1"},
        {"Label16", "Frame1"}, {"Label15", "Frame1"}, {"DMIN2", "FD"}, {"VD2", "FD"},
        {"CX", "FX"}, {"VX2", "FX"}, {"CY", "FY"}, {"VY2", "FY"}, {"CZ", "FZ"}, {"VZ2", "FZ"},
        {"CF", "FF"}, {"VF2", "FF"}, {"INC2", "FI"}, {"AIMIN2", "FI"}, {"VI2", "FI"},
    };
    for (const auto& c : casos) {
        QLabel* l = Rotulo(r, c.rotulo);
        ASSERT_NE(l, nullptr) << c.rotulo;
        EXPECT_EQ(l->parentWidget()->objectName(), QString::fromLatin1(c.moldura)) << c.rotulo;
    }
    // The "graus" labels follow their values, on the same rows.
    EXPECT_EQ(Rotulo(r, "Label16")->y(), Rotulo(r, "Latitude")->y());
    EXPECT_EQ(Rotulo(r, "Label15")->y(), Rotulo(r, "Longitude")->y());
    EXPECT_GE(Rotulo(r, "Label16")->x(), Rotulo(r, "Latitude")->geometry().right());
}

TEST(Relatorio, CompassIsCentredAt2925And5010)
{
    Relatorio r;
    // The rose's vertical axis runs through the centre, 1320 twips each way.
    auto* eixo = r.findChild<Linha*>(QStringLiteral("RosaLine2"));
    ASSERT_NE(eixo, nullptr);
    EXPECT_FLOAT_EQ(eixo->x1(), 2925.0f);
    EXPECT_FLOAT_EQ(eixo->y1(), 5010.0f - 1320.0f);
    EXPECT_FLOAT_EQ(eixo->y2(), 5010.0f + 1320.0f);
    // The needle starts at the centre.
    EXPECT_FLOAT_EQ(r.agulha().linha->x1(), 2925.0f);
    EXPECT_FLOAT_EQ(r.agulha().linha->y1(), 5010.0f);
}

TextosResultado TextosDistintos()
{
    // Every text different, so a label written from the wrong field shows.
    TextosResultado t;
    t.relData = QStringLiteral("05 / 6 / 2000");
    t.relEpoca = QStringLiteral("2000.42896");
    t.relLatitude = QStringLiteral("-27.5");
    t.relLongitude = QStringLiteral("-48°30'0''");
    t.cx = QStringLiteral("18820.0");
    t.cy = QStringLiteral("-7284.0");
    t.cz = QStringLiteral("-11768.3");
    t.cf = QStringLiteral("23456.7");
    t.vx2 = QStringLiteral("-21.11 nT/ano");
    t.vy2 = QStringLiteral("-42.22 nT/ano");
    t.vz2 = QStringLiteral("33.33 nT/ano");
    t.vf2 = QStringLiteral("-25.50 nT/ano");
    t.dmin = QStringLiteral("-21º07'30''");
    t.vd = QStringLiteral("-7'30''/ano");
    t.inc2 = QStringLiteral("-30");
    t.aimin2 = QStringLiteral("7.50");
    t.vi2 = QStringLiteral("-1.23 '/ano");
    t.epoca = QStringLiteral("not on the report");
    return t;
}

TEST(Relatorio, FillingWritesEveryTextToItsLabel)
{
    Relatorio r;
    const TextosResultado t = TextosDistintos();
    r.preencheTextos(t);
    const struct { const char* rotulo; QString texto; } casos[] = {
        {"Data", t.relData}, {"Epoca", t.relEpoca}, {"Latitude", t.relLatitude},
        {"Longitude", t.relLongitude}, {"CX", t.cx}, {"VX2", t.vx2}, {"CY", t.cy}, {"VY2", t.vy2},
        {"CZ", t.cz}, {"VZ2", t.vz2}, {"CF", t.cf}, {"VF2", t.vf2}, {"DMIN2", t.dmin}, {"VD2", t.vd},
        {"INC2", t.inc2}, {"AIMIN2", t.aimin2}, {"VI2", t.vi2},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rotulo(r, c.rotulo)->text(), c.texto) << c.rotulo;
}

struct CasoGraus {
    const char* nome;
    bool grausLatitude, grausLongitude;
};

void PrintTo(const CasoGraus& c, std::ostream* os) { *os << c.nome; }

class GrausRelatorio : public ::testing::TestWithParam<CasoGraus> {};

// "graus" stands after a coordinate typed in decimal degrees only; filling
// again with the other entry form switches it.
TEST_P(GrausRelatorio, FollowsTheEntryFormOfEachCoordinate)
{
    Relatorio r;
    TextosResultado t = TextosDistintos();
    t.relGrausLatitude = GetParam().grausLatitude;
    t.relGrausLongitude = GetParam().grausLongitude;
    r.preencheTextos(t);
    EXPECT_EQ(!Rotulo(r, "Label16")->isHidden(), GetParam().grausLatitude);
    EXPECT_EQ(!Rotulo(r, "Label15")->isHidden(), GetParam().grausLongitude);

    t.relGrausLatitude = !t.relGrausLatitude;
    t.relGrausLongitude = !t.relGrausLongitude;
    r.preencheTextos(t);
    EXPECT_EQ(!Rotulo(r, "Label16")->isHidden(), !GetParam().grausLatitude);
    EXPECT_EQ(!Rotulo(r, "Label15")->isHidden(), !GetParam().grausLongitude);
}

INSTANTIATE_TEST_SUITE_P(
    Formas, GrausRelatorio,
    ::testing::Values(CasoGraus{"BothDecimal", true, true}, CasoGraus{"BothDegreesMinutesSeconds", false, false},
                      CasoGraus{"LatitudeDecimalLongitudeDms", true, false},
                      CasoGraus{"LatitudeDmsLongitudeDecimal", false, true}),
    [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
}  // namespace ceravel
