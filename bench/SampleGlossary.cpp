#include "SampleGlossary.h"
#include "Bench.h"
#include "app/Globals.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>

namespace qmbench {
namespace {
// A damaged glossary is told in a box; the figures answer it at once.
class AnsweredBoxes : public qm::MessageBoxService {
public:
    int show(const QString&, const QString&, int) override { return qm::vbOK; }
};
} // namespace

void UseGlossary(const QString& folderName, const QByteArray& text)
{
    const QString folder = ScratchFolder() + '/' + folderName;
    QDir().mkpath(folder);
    QFile f(folder + "/Glossary.txt");
    f.open(QIODevice::WriteOnly);
    f.write(text);
    f.close();
    qm::SetProgramFolder(folder);
    qm::AppPath = folder;
    qm::Courses = {qm::CourseRecord{"Bench", {}, "1", true}};
    qm::CurCourse = 0;
    static AnsweredBoxes boxes;
    qm::setMessageBoxService(&boxes);
}

QByteArray GeneratedGlossary(int terms)
{
    QByteArray text = "Generated glossary\r\n";
    const int perLetter = (terms + 25) / 26;
    for (int i = 0; i < terms; ++i) {
        if (i % perLetter == 0) text += "^" + QByteArray(1, char('A' + i / perLetter)) + "\r\n";
        text += "%Term number " + QByteArray::number(i) + "~The definition of term " + QByteArray::number(i)
              + ", long enough to need a second line in the grid's definition column, as many real\r\n"
                " definitions do, with a few more words at the end.\r\n";
    }
    return text;
}

} // namespace qmbench
