#pragma once
#include <QString>
#include <functional>
#include <vector>

namespace qmbench {

// One measured figure. prepare() runs once, untimed, and returns the work
// that is timed (several runs; the median is printed against the target).
// With a memory target, the figure's own peak memory is printed as well.
struct Figure {
    QString name;
    double targetMs = 0;
    std::function<std::function<void()>()> prepare;
    double targetMB = 0;
};

std::vector<Figure>& Figures();

// A figure registers itself from its own file:
//   static qmbench::Register r("what is measured", 10.0, [] {
//       auto input = ...;                       // untimed set-up
//       return [input] { ...work... };          // timed
//   });
struct Register {
    Register(const char* name, double targetMs, std::function<std::function<void()>()> prepare)
    {
        Figures().push_back(Figure{QString::fromUtf8(name), targetMs, std::move(prepare)});
    }
    Register(const char* name, double targetMs, double targetMB, std::function<std::function<void()>()> prepare)
    {
        Figures().push_back(Figure{QString::fromUtf8(name), targetMs, std::move(prepare), targetMB});
    }
};

// A folder for generated input files, removed when the program ends.
QString ScratchFolder();

// Writes bytes into a file, making its folder first.
void WriteFile(const QString& path, const QByteArray& bytes);

// Writes the registry into folder/Registry.reg, copies in the built skins and
// makes folder the program folder, as the catalogue figures start.
void UseProgramFolder(const QString& folder, const QByteArray& registry);

} // namespace qmbench
