#include "app/project/project_model.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

template<typename Item, typename Owned>
void appendOwned(std::vector<Owned> &out, const QString &owner, const std::vector<Item *> &items)
{
    for (Item *item : items)
        out.push_back(Owned{owner, item});
}

} // namespace

std::vector<OwnedTable> ProjectModel::tables()
{
    std::vector<OwnedTable> all;
    appendOwned(all, u"Form1"_s, form1.tables());
    appendOwned(all, u"MainForm"_s, mainForm.tables());
    appendOwned(all, u"frmMain"_s, frmMain.tables());
    appendOwned(all, u"Form3"_s, form3.tables());
    appendOwned(all, u"Form39"_s, form39.tables());
    appendOwned(all, u"Form46"_s, form46.tables());
    appendOwned(all, u"Form49"_s, form49.tables());
    appendOwned(all, u"Form12"_s, form12.tables());
    appendOwned(all, u"Form13"_s, form13.tables());
    appendOwned(all, u"Form14"_s, form14.tables());
    appendOwned(all, u"Form15"_s, form15.tables());
    return all;
}

std::vector<OwnedValue> ProjectModel::values()
{
    std::vector<OwnedValue> all;
    appendOwned(all, u"Form1"_s, form1.values());
    appendOwned(all, u"MainForm"_s, mainForm.values());
    appendOwned(all, u"frmMain"_s, frmMain.values());
    appendOwned(all, u"Form3"_s, form3.values());
    appendOwned(all, u"Form39"_s, form39.values());
    appendOwned(all, u"Form46"_s, form46.values());
    appendOwned(all, u"Form49"_s, form49.values());
    appendOwned(all, u"Form12"_s, form12.values());
    appendOwned(all, u"Form13"_s, form13.values());
    appendOwned(all, u"Form14"_s, form14.values());
    appendOwned(all, u"Form15"_s, form15.values());
    return all;
}

StringTable *ProjectModel::findTable(QStringView owner, QStringView name)
{
    for (const OwnedTable &entry : tables()) {
        if (entry.owner == owner && entry.table->name() == name)
            return entry.table;
    }
    return nullptr;
}

HiddenValue *ProjectModel::findValue(QStringView owner, QStringView name)
{
    for (const OwnedValue &entry : values()) {
        if (entry.owner == owner && entry.value->name() == name)
            return entry.value;
    }
    return nullptr;
}

void ProjectModel::reset()
{
    for (const OwnedTable &entry : tables())
        entry.table->clear();
    for (const OwnedValue &entry : values())
        entry.value->reset();
    form2.reset();
    form17.reset();
}

} // namespace velumo
