#include "render/conversion/render_scratch_files.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QStringList renderScratchFiles()
{
    return {u"smxcwjj\\tp_load\\tp_load_1.bmp"_s, u"smxcwjj\\tp_load\\tp_load_1_2_1.bmp"_s,
            u"smxcwjj\\tp_load\\tp_load_1_2_1.jpg"_s, u"smxcwjj\\tp_wjj\\pic\\picture_0.rar"_s};
}

void removeRenderScratchFiles(const ProgramFolder &program)
{
    for (const QString &relative : renderScratchFiles())
        QFile::remove(program.resolve(relative));
}

} // namespace velumo
