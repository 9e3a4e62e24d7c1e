#include "reference/PagePrinting.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "reference/AnimationViewer.h"
#include "ui/UiText.h"
#include "viewer/Form1.h"

#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScopeGuard>
#include <QTimer>

namespace qm {
namespace {

int waitMs = 2000;
bool printing = false;

void closeAnimation()
{
    if (Animation_Viewer* viewer = Animation_Viewer::ifLoaded()) viewer->CloseAnimatedGif();
}

} // namespace

void SetPagePrintWait(int ms) { waitMs = ms; }

bool PagePrintInProgress() { return printing; }

QRectF PrintPictureToFitPage(QPrinter& printer, const QImage& picture)
{
    if (picture.isNull()) return {};
    printer.setPageOrientation(picture.height() >= picture.width() ? QPageLayout::Portrait : QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) return {};
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const double pictureRatio = double(picture.width()) / picture.height();
    const double printerRatio = printable.width() / printable.height();
    QSizeF size;
    if (pictureRatio >= printerRatio) size = QSizeF(printable.width(), printable.width() / pictureRatio);
    else size = QSizeF(printable.height() * pictureRatio, printable.height());
    const QRectF target(QPointF(0, 0), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    if (!painter.end()) return {};
    return target;
}

QImage CaptureForm(QWidget& form) { return form.grab().toImage(); }

bool PrintScreenImage()
{
    if (printing) return false;
    printing = true;
    const auto done = qScopeGuard([] { printing = false; });
    QPointer<Form1> main = Form1::ifLoaded();

    {
        // The animation plays and the window repaints; clicks and keys wait
        // until the page has been captured.
        QEventLoop loop;
        QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    closeAnimation();
    if (!main) return false;

    const QImage picture = CaptureForm(*main);
    if (picture.isNull() || picture.width() == 0 || picture.height() == 0) {
        MsgBox(GetResString(640), vbExclamation);
        return false;
    }
    std::unique_ptr<QPrinter> printer = printerService().open(CurrentPrinterName());
    if (!printer || PrintPictureToFitPage(*printer, picture).isEmpty()) {
        MsgBox(GetResString(641).arg(CurrentPrinterName()), vbExclamation);
        return false;
    }
    return true;
}

} // namespace qm
