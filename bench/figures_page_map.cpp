// Reading a module's page map into the page list.
#include "Bench.h"
#include "SamplePages.h"
#include "content/LinkedList.h"

#include <QFile>
#include <memory>

namespace {
qmbench::Register pageMap("page map of 5,000 lines: LoadExistingList", 20.0, [] {
    const QString path = qmbench::ScratchFolder() + "/Map.txt";
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(qmbench::PageMap(5000));
    f.close();
    auto list = std::make_shared<qm::LinkedList>();
    return [list, path] {
        QString title;
        list->InitLinedList();
        list->LoadExistingList(path, title);
    };
});
} // namespace
