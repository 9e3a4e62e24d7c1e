// Checks the skin images painted into the staged program folder: every image a
// window asks for is there and loads, the looks of one control share a size,
// and the faces carry the colours the caption labels are drawn in.
#include "platform/ProgramFolder.h"
#include "ui/Skins.h"

#include <QDir>
#include <QImage>
#include <QtTest>

using namespace qm;

namespace {

// Each group: the images one control switches between.
const QList<QStringList> kFamilies = {
    {"Button_On.jpg", "Button_Off.jpg", "Button_Dis.jpg"},
    {"ExitButton_On.jpg", "ExitButton_Off.jpg", "minimizeOn.jpg", "minimizeOff.jpg"},
    {"nextOn.jpg", "nextOff.jpg", "nextDis.jpg", "previousOn.jpg", "previousOff.jpg", "backDis.jpg",
     "ReturnOn.jpg", "ReturnOff.jpg", "ReturnButtonDisabled.jpg"},
    {"ModuleMenu_ButtonClosedOff.jpg", "ModuleMenu_ButtonOpenON.jpg", "ToolbarMenu_OpenOn.jpg",
     "ToolbarMenu_OpenOff.jpg", "ToolbarMenu_ClosedOn.jpg", "ToolbarMenu_ClosedOff.jpg"},
    {"ModuleMenu_Off.jpg", "ModuleMenu_ON.jpg", "TopicMenuBlank.jpg", "TopicMenuBlankOn.jpg"},
    {"MenuScrlUpOff.jpg", "MenuScrlUpOn.jpg", "MenuScrlDwnOff.jpg", "MenuScrlDwnOn.jpg",
     "TopicMenuScrollUpOff.jpg", "TopicMenuScrollUpOn.jpg", "TopicMenuScrollDownOff.jpg",
     "TopicMenuScrollDownOn.jpg"},
    {"ToolBar_MenuSlice_On.jpg", "ToolBar_MenuSlice_Off.jpg", "ToolBar_MenuSlice_Dis.jpg"},
};

QString GuiImages() { return QDir(QStringLiteral(QM_PROGRAM_DIR)).filePath("GUIimages"); }

bool Near(QRgb a, QRgb b, int tolerance = 12)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QRgb Centre(const QString& name)
{
    const QImage img(QDir(GuiImages()).filePath(name));
    return img.pixel(img.width() / 2, 3); // on the face, clear of any symbol
}

} // namespace

class SkinImagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyImageIsThereAndLoads()
    {
        for (const QStringList& family : kFamilies)
            for (const QString& name : family) {
                const QString path = QDir(GuiImages()).filePath(name);
                // Written exactly as the windows spell them.
                QVERIFY2(QFileInfo::exists(path), qPrintable(name + " missing"));
                QImage img;
                QVERIFY2(img.load(path, "JPEG"), qPrintable(name + " is not a JPEG"));
            }
    }

    void looksOfOneControlShareASize()
    {
        for (const QStringList& family : kFamilies) {
            const QSize size = QImage(QDir(GuiImages()).filePath(family.first())).size();
            QVERIFY(!size.isEmpty());
            for (const QString& name : family)
                QVERIFY2(QImage(QDir(GuiImages()).filePath(name)).size() == size, qPrintable(name));
        }
    }

    void facesMatchTheCaptionColours()
    {
        // Caption labels are white on 0xFF6666 or black on 0xFFCCCC (as 0xBBGGRR);
        // the faces beneath them must be the same blues.
        for (const char* off : {"Button_Off.jpg", "ModuleMenu_Off.jpg", "ToolBar_MenuSlice_Off.jpg", "TopicMenuBlank.jpg"})
            QVERIFY2(Near(Centre(off), qRgb(0x66, 0x66, 0xFF)), off);
        for (const char* on : {"Button_On.jpg", "ModuleMenu_ON.jpg", "ToolBar_MenuSlice_On.jpg", "TopicMenuBlankOn.jpg"})
            QVERIFY2(Near(Centre(on), qRgb(0xCC, 0xCC, 0xFF)), on);
    }

    void disabledLooksAreGrey()
    {
        for (const char* dis : {"Button_Dis.jpg", "nextDis.jpg", "backDis.jpg", "ReturnButtonDisabled.jpg",
                                "ToolBar_MenuSlice_Dis.jpg"}) {
            const QColor c = QColor::fromRgb(Centre(dis));
            QVERIFY2(c.hsvSaturation() < 20, dis);
        }
    }

    void eitherSpellingFindsTheSameImage()
    {
        SetProgramFolder(QStringLiteral(QM_PROGRAM_DIR));
        QCOMPARE(QFileInfo(SkinPath("PreviousOff.jpg")).canonicalFilePath(),
                 QFileInfo(QDir(GuiImages()).filePath("previousOff.jpg")).canonicalFilePath());
        QVERIFY(!LoadSkin("PreviousOff.jpg").isNull());
    }
};

QTEST_MAIN(SkinImagesTest)
#include "test_skin_images.moc"
