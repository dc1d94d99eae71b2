#include "app/workspace/working_tree.h"

#include "app/workspace/folder_guarantee.h"
#include "app/workspace/tree_removal.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo::working_tree {

namespace {

const QString kDeepFolder = u"smxcwjj\\wj_x_g_c_l_1\\wj_x_g_c_l_1\\wj_x_g_c_l_1\\wj_x_g_c_l_1\\"_s;

} // namespace

QStringList recreatedAtStart()
{
    return {
        u"smxcwjj\\tp_wj\\tp_slt_1\\"_s,
        u"smxcwjj\\tp_wj\\tp_slt_2\\"_s,
        u"smxcwjj\\tp_wj\\tp_slt_3\\"_s,
        u"smxcwjj\\wj_0_or_1\\wj_1_jy\\"_s,
    };
}

QStringList removedAtStart()
{
    return {
        u"smxcwjj\\tp_wjj\\tp_wjj\\"_s,
        u"smxcwjj\\tp_wjj\\pic\\"_s,
        kDeepFolder,
        u"smxcwjj\\wj_yl_xg_1\\"_s,
    };
}

QStringList removedAtExit()
{
    return {
        u"smxcwjj\\tp_wj\\"_s,
        u"smxcwjj\\tp_wjj\\"_s,
        u"smxcwjj\\wj_0_or_2\\wjj_00_j_y\\"_s,
        kDeepFolder,
        u"smxcwjj\\wj_yl_xg_1\\"_s,
        u"smxcwjj\\wj_0_or_1\\wj_1_jy\\"_s,
    };
}

QStringList staleFiles()
{
    return {
        u"smxcwjj\\tp_slt_tp_0_1.png"_s,
        u"smxcwjj\\tp_load\\tp_load_1.bmp"_s,
        u"smxcwjj\\tp_load\\tp_load_1_1.bmp"_s,
        u"smxcwjj\\tp_load\\tp_load_1.jpg"_s,
        u"smxcwjj\\tp_load\\tp_load_1_2_1.bmp"_s,
        u"smxcwjj\\tp_load\\tp_load_1_2_1.jpg"_s,
        u"smxcwjj\\wj_0_or_1\\wj_1_jy.rar"_s,
        u"smxcwjj\\tp_load\\tp_load_0.rar"_s,
        u"smxcwjj\\tp_0\\tp_slt_0_02.rar"_s,
        u"smxcwjj\\tp_0\\tp_slt_0_12.rar"_s,
        u"smxcwjj\\tp_0\\tp_slt_0_0.png"_s,
        u"smxcwjj\\tp_0\\tp_slt_0_1.png"_s,
        u"smxcwjj\\tp_0\\tp_slt_1_02.rar"_s,
        u"smxcwjj\\tp_0\\tp_slt_1_12.rar"_s,
        u"smxcwjj\\tp_0\\tp_slt_1_0.png"_s,
        u"smxcwjj\\tp_0\\tp_slt_1_1.png"_s,
        u"smxcwjj\\tp_0\\tp_slt_tp_02.rar"_s,
        u"smxcwjj\\tp_0\\tp_slt_tp_0.png"_s,
        u"smxcwjj\\tp_0\\tp_slt_tp_0_12.rar"_s,
        u"smxcwjj\\tp_0\\tp_slt_tp_0_1.png"_s,
    };
}

void deleteStaleFiles(const ProgramFolder &program)
{
    for (const QString &file : staleFiles()) {
        const QString path = program.resolve(file);
        if (QFile::exists(path))
            QFile::remove(path);
    }
}

void prepare(const ProgramFolder &program)
{
    for (const QString &folder : recreatedAtStart()) {
        removeTree(program.resolve(folder));
        ensureFolder(program.resolve(folder));
    }
    for (const QString &folder : removedAtStart())
        removeTree(program.resolve(folder));
    deleteStaleFiles(program);
}

void cleanAtExit(const ProgramFolder &program)
{
    for (const QString &folder : removedAtExit())
        removeTree(program.resolve(folder));
    deleteStaleFiles(program);
}

} // namespace velumo::working_tree
