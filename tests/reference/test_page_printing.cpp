#include "app/Globals.h"
#include "content/Catalogue.h"
#include "platform/Printers.h"
#include "reference/AnimationViewer.h"
#include "reference/PagePrinting.h"
#include "reference/PrinterDialog.h"
#include "support/CourseBuilder.h"
#include "support/LinkDoubles.h"
#include "support/ModalDriver.h"
#include "support/TestDoubles.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"

#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

using namespace qm;
using qmtest::CourseBuilder;

namespace {

Form1& openCourse(CourseBuilder& b)
{
    b.module("MOD001", "First", CourseBuilder::pages(1));
    b.course("Course A", {"MOD001"});
    b.writeRegistry();
    GetInstalledCourses();
    CurCourse = 0;
    Form1& f = Form1::instance();
    f.showModeless();
    return f;
}

// Chooses the printer at index in the dialog once it shows, then OK.
void chooseAndPrint(int index, QString* shownFirst = nullptr, QString* where = nullptr)
{
    qmtest::WhenFormShown("frmPrinterDialog", [=](Form& f) {
        auto& d = static_cast<frmPrinterDialog&>(f);
        if (shownFirst) *shownFirst = d.cboPrinters->currentText();
        d.cboPrinters->setCurrentIndex(index);
        if (where) *where = d.lblPort->text();
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    });
}

QByteArray pdf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class PagePrintingTest : public QObject {
    Q_OBJECT
private slots:
    void theChosenPrinterPrintsThePageAndIsOfferedNextTime()
    {
        CourseBuilder b;
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        services.printers.list = {{"Front Desk", "Ground floor"}, {"Office Laser", "Room 2"}};
        services.printers.defaultName = "Office Laser";
        QCOMPARE(CurrentPrinterName(), QString("Office Laser"));
        services.printers.defaultName = "Removed Printer";
        QCOMPARE(CurrentPrinterName(), QString("Front Desk"));
        openCourse(b);

        QString first, where;
        chooseAndPrint(1, &first, &where);
        ShowPagePrintDialog();
        QCOMPARE(first, QString("Front Desk"));
        QCOMPARE(where, QString("Room 2"));
        QCOMPARE(env.box.calls.size(), 0);
        QCOMPARE(services.printers.jobs.size(), 1);
        QCOMPARE(services.printers.jobs[0].printer, QString("Office Laser"));
        QVERIFY(pdf(services.printers.jobs[0].file).startsWith("%PDF"));
        QVERIFY(!Animation_Viewer::loaded());
        QVERIFY(!frmPrinterDialog::loaded());

        chooseAndPrint(1, &first);
        ShowPagePrintDialog();
        QCOMPARE(first, QString("Office Laser"));
        QCOMPARE(services.printers.jobs.size(), 2);

        // The rendering pseudo-printer is never offered; a name like it is.
        services.printers.list = {{"Rendering Subsystem", ""}, {"rendering subsystem", ""}, {"Front Desk", ""}};
        QStringList offered;
        qmtest::WhenFormShown("frmPrinterDialog", [&](Form& d) {
            auto& dialog = static_cast<frmPrinterDialog&>(d);
            for (int i = 0; i < dialog.cboPrinters->count(); ++i) offered << dialog.cboPrinters->itemText(i);
            dialog.cmdCancel_Click();
        });
        ShowPagePrintDialog();
        QCOMPARE(offered, (QStringList{"rendering subsystem", "Front Desk"}));
    }

    void noPrinterOrAFailingPrinterIsTold()
    {
        CourseBuilder b;
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        openCourse(b);
        ShowPagePrintDialog();
        QCOMPARE(env.box.lastText(), GetResString(536));
        QVERIFY(!frmPrinterDialog::loaded());

        services.printers.list = {{"Jammed", ""}};
        services.printers.failing = "Jammed";
        chooseAndPrint(0);
        ShowPagePrintDialog();
        QCOMPARE(env.box.lastText(), GetResString(641).arg("Jammed"));
        QVERIFY(!Animation_Viewer::loaded());
    }

    void theMainWindowLeavingDuringTheWaitPrintsNothing()
    {
        CourseBuilder b;
        qmtest::TestEnvironment env(b.path());
        qmtest::LinkServices services;
        services.printers.list = {{"Front Desk", ""}};
        Form1& f = openCourse(b);
        SetPagePrintWait(200);
        bool secondRefused = false;
        bool dialogDuringPrint = false;
        qmtest::WhenFormShown("frmPrinterDialog", [&](Form& d) {
            dialogDuringPrint = true;
            static_cast<frmPrinterDialog&>(d).cmdCancel_Click();
        }, 300);
        QTimer::singleShot(50, [&] {
            secondRefused = !PrintScreenImage();
            ShowPagePrintDialog(); // refused while the first print runs
            f.unload();
        });
        ShowPrintingAnimation();
        QVERIFY(!PrintScreenImage());
        QVERIFY(secondRefused);
        QVERIFY(!dialogDuringPrint);
        QVERIFY(services.printers.jobs.isEmpty());
        QVERIFY(!Animation_Viewer::loaded());
        QCOMPARE(env.box.calls.size(), 0);
    }

    void picturesFitThePageFromTheTopLeft_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("landscape");
        QTest::addRow("wider than tall") << QSize(1024, 768) << true;
        QTest::addRow("taller than wide") << QSize(300, 900) << false;
        QTest::addRow("square") << QSize(500, 500) << false;
    }
    void picturesFitThePageFromTheTopLeft()
    {
        QFETCH(QSize, picture);
        QFETCH(bool, landscape);
        qmtest::PdfPrinters printers;
        printers.list = {{"PDF", ""}};
        std::unique_ptr<QPrinter> printer = printers.open("PDF");
        QImage image(picture, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QRectF drawn = PrintPictureToFitPage(*printer, image);
        QCOMPARE(printer->pageLayout().orientation() == QPageLayout::Landscape, landscape);
        const QRectF page = printer->pageRect(QPrinter::DevicePixel);
        QCOMPARE(drawn.topLeft(), QPointF(0, 0));
        QVERIFY(qAbs(drawn.width() - page.width()) < 1 || qAbs(drawn.height() - page.height()) < 1);
        QVERIFY(drawn.width() <= page.width() + 1 && drawn.height() <= page.height() + 1);
        QVERIFY(qAbs(drawn.width() / drawn.height() - double(picture.width()) / picture.height()) < 0.01);
        QVERIFY(pdf(printers.jobs[0].file).startsWith("%PDF"));
    }
};

QTEST_MAIN(PagePrintingTest)
#include "test_page_printing.moc"
