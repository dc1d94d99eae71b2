#include "templates/template_catalogue.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"
#include "app/workspace/folder_guarantee.h"
#include "app/workspace/tree_removal.h"
#include "templates/ini_file.h"
#include "templates/slot_list.h"
#include "templates/template_package.h"

#include <QDir>
#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

const QString kScratchFolder = u"smxcwjj\\wj_0_or_2\\wjj_00_j_y\\"_s;
const QString kParameterFolder = u"smxcwjj\\wj_0_or_2\\wjj_02"_s;
const QString kMovieFolder = u"smxcwjj\\wj_0_or_2\\wjj_01"_s;

void listPackages(const QString &folder, QStringList &into, int nesting = 0)
{
    if (nesting > 32)
        return;
    const QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            listPackages(entry.absoluteFilePath(), into, nesting + 1);
        } else if (entry.isFile()) {
            const QString name = entry.fileName();
            if (name.endsWith(u".rar"_s) || name.endsWith(u".RAR"_s))
                into.append(entry.absoluteFilePath());
        }
    }
}

const QString kHeng = u"heng"_s;
const QString kShu = u"shu"_s;
const QString kShuheng = u"shuheng"_s;

QString orientationClass(const QStringList &items)
{
    if (items.isEmpty())
        return {};
    for (const QString &cls : {kHeng, kShu, kShuheng}) {
        if (std::all_of(items.begin(), items.end(), [&](const QString &item) { return item == cls; }))
            return cls;
    }
    return u"gaojimoban"_s;
}

void appendTemplateCopy(const StringTable &catalogue, int row, StringTable &table)
{
    QStringList columns = catalogue.row(row).mid(0, 10);
    columns << u"0"_s << u"0"_s << catalogue.cell(row, 10);
    table.appendRow(columns);
}

} // namespace

LibraryScan scanLibrary(const ProgramFolder &program)
{
    removeTree(program.resolve(kScratchFolder));
    ensureFolder(program.resolve(kScratchFolder));

    LibraryScan scan;
    QStringList parameters;
    QStringList movies;
    listPackages(program.resolve(kParameterFolder), parameters);
    listPackages(program.resolve(kMovieFolder), movies);
    scan.found = parameters + movies;
    if (parameters.size() != movies.size()) {
        throw Failure(u"模板库不完整，无法使用：\n%1 中有 %2 个模板参数包，\n%3 中有 %4 个模板动画包。"_s.arg(
            QDir::toNativeSeparators(program.resolve(kParameterFolder)), QString::number(parameters.size()),
            QDir::toNativeSeparators(program.resolve(kMovieFolder)), QString::number(movies.size())));
    }
    const qsizetype half = (scan.found.size() + 1) / 2;
    scan.parameterPackages = scan.found.mid(0, half);
    scan.moviePackages = scan.found.mid(half, half);
    return scan;
}

void readTemplateParameters(const ProgramFolder &program, const LibraryScan &scan, Form1State &form1)
{
    StringTable &catalogue = form1.ListView_mobancanshu;
    catalogue.clear();
    for (qsizetype i = 0; i < scan.parameterPackages.size(); ++i) {
        const QString base = program.resolve(kScratchFolder + u"wjj_00_j_y"_s + QString::number(i + 1));
        const QString iniPath = base + u".ini"_s;
        chainUnpack(scan.parameterPackages.at(i), base, iniPath);

        QFile file(iniPath);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.read(IniFile::kMaxBytes + 1);
        file.close();
        const IniFile ini = IniFile::parse(bytes.left(IniFile::kMaxBytes));
        if (ini.value(u"l_x_w_j_s_y"_s, u"l_x_w_j_s_y"_s) != u"s_y_l_x"_s)
            throw TemplateMarkerMissing("template parameter file without its marker");

        if (QFile::exists(iniPath)) {
            const QString section = u"1"_s;
            catalogue.appendRow({ini.value(section, u"mblx"_s), ini.value(section, u"mbfl"_s),
                                 ini.value(section, u"xpsl"_s), ini.value(section, u"xpkd"_s),
                                 ini.value(section, u"xpgd"_s), ini.value(section, u"szhz"_s),
                                 ini.value(section, u"xpjpgmc"_s), scan.moviePackages.value(i), QString(),
                                 QString::number(i), ini.value(section, u"mbdx"_s)});
            QFile::remove(iniPath);
        }
    }
}

void classifyTemplates(Form1State &form1)
{
    StringTable &catalogue = form1.ListView_mobancanshu;
    form1.ListView_hengzhaopian.clear();
    form1.ListView_shuzhaopian.clear();
    form1.ListView_gaojimoban.clear();
    for (int row = 0; row < catalogue.rowCount(); ++row) {
        const QStringList items = slotListItems(catalogue.cell(row, 5));
        if (!items.isEmpty())
            catalogue.setCell(row, 8, orientationClass(items));
    }
    for (int row = 0; row < catalogue.rowCount(); ++row) {
        const QString cls = catalogue.cell(row, 8);
        if (cls == kHeng || cls == kShuheng)
            appendTemplateCopy(catalogue, row, form1.ListView_hengzhaopian);
        if (cls == kShu || cls == kShuheng)
            appendTemplateCopy(catalogue, row, form1.ListView_shuzhaopian);
        if (cls == u"gaojimoban"_s)
            appendTemplateCopy(catalogue, row, form1.ListView_gaojimoban);
    }
}

void countTemplateSlots(Form1State &form1)
{
    struct Rule
    {
        StringTable &table;
        QStringList landscape;
        QStringList portrait;
    };
    const Rule rules[] = {
        {form1.ListView_hengzhaopian, {kHeng, kShuheng}, {kShu}},
        {form1.ListView_shuzhaopian, {kHeng}, {kShu, kShuheng}},
        {form1.ListView_gaojimoban, {kHeng, kShuheng}, {kShu}},
    };
    for (const Rule &rule : rules) {
        for (int row = 0; row < rule.table.rowCount(); ++row) {
            const QStringList items = slotListItems(rule.table.cell(row, 5));
            const auto count = [&](const QStringList &kinds) {
                return QString::number(std::count_if(items.begin(), items.end(),
                                                     [&](const QString &item) { return kinds.contains(item); }));
            };
            rule.table.setCell(row, 10, count(rule.landscape));
            rule.table.setCell(row, 11, count(rule.portrait));
        }
    }
}

void buildTemplateCatalogue(const ProgramFolder &program, Form1State &form1)
{
    const LibraryScan scan = scanLibrary(program);
    readTemplateParameters(program, scan, form1);
    classifyTemplates(form1);
    countTemplateSlots(form1);
}

} // namespace velumo
