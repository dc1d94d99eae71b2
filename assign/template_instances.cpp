#include "assign/template_instances.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"
#include "app/project/main_form_state.h"
#include "app/project/photo_columns.h"
#include "app/workspace/folder_guarantee.h"
#include "app/workspace/tree_removal.h"
#include "assign/instance_paths.h"
#include "templates/template_package.h"

#include <QDir>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

void createFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        throw Failure(u"无法创建文件夹：%1"_s.arg(QDir::toNativeSeparators(path)));
}

void raise(HiddenValue &counter)
{
    counter.setText(QString::number(counter.number() + 1));
}

} // namespace

void prepareInstances(const ProgramFolder &program, Form1State &form1, MainFormState &mainForm,
                      const std::function<void()> &step, const std::function<void()> &keepAlive)
{
    if (mainForm.Edit_daoru_moban_kaishishiyong_kaiguan.text() == u"kai"_s) {
        removeTree(instance_paths::root(program));
        removeTree(instance_paths::pictureFolder(program));
        ensureFolder(instance_paths::root(program));
        ensureFolder(instance_paths::pictureFolder(program));
        mainForm.Edit_daoru_moban_kaishishiyong_kaiguan.setText(u"guan"_s);
    }
    step();
    HiddenValue &unpackCounter = mainForm.Edit_wj_1_jy_leijia;
    raise(unpackCounter);

    const StringTable &photos = form1.ListView_daoruxiangpian;
    const QString movieExtension = form1.Edit_kuozhanming_1.text();
    QSet<QString> unpacked;
    for (int row = 0; row < photos.rowCount(); ++row) {
        keepAlive();
        raise(unpackCounter);
        if (photos.cell(row, photo_column::kThumbnailMark) != u"jiancai_no"_s)
            continue;
        const QString n = photos.cell(row, photo_column::kInstance);
        if (unpacked.contains(n))
            continue;
        createFolder(instance_paths::folder(program, n));
        chainUnpack(photos.cell(row, photo_column::kMoviePackage),
                    program.resolve(u"smxcwjj\\wj_0_or_1\\wj_1_jy\\wj_1_jy"_s) + unpackCounter.text(),
                    instance_paths::movie(program, n, movieExtension));
        unpacked.insert(n);
    }

    if (form1.Edit_mobanleijia_sum.text() != u"0"_s)
        mainForm.Edit_str_mulu1.setText(program.resolve(u"smxcwjj\\tp_wjj\\tp_wjj\\tp_wjj_"_s));
}

void prepareClosingTemplate(const ProgramFolder &program, const Form1State &form1)
{
    const QString folder = instance_paths::closingFolder(program);
    removeTree(folder);
    createFolder(folder);
    chainUnpack(program.resolve(u"smxcwjj\\wj_0_or_1\\wj_1.rar"_s),
                program.resolve(u"smxcwjj\\wj_0_or_1\\wj_1_jy\\w_j_zuihou"_s),
                instance_paths::closingMovie(program, form1.Edit_kuozhanming_1.text()));
}

} // namespace velumo
