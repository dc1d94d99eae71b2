// Template parameter file bytes in: read as the catalogue reads them, below a few lines of our
// own. Whatever follows, those lines must read back (the first occurrence of a key wins, and
// names compare without regard to case), and a slot list must split into the items between
// its bars.
#include "templates/ini_file.h"
#include "templates/slot_list.h"
#include "tests/fuzz/fuzz_entry.h"

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

// ASCII only, so it reads the same whether the rest decodes as UTF-8 or as GB18030.
constexpr char kOwnLines[] = "[Fuzz Section]\r\nFuzz_Key = first\r\nfuzz_key=second\r\n";

void readAnyParameters(std::span<const std::uint8_t> input)
{
    const QByteArray bytes = QByteArray(kOwnLines)
        + QByteArray(reinterpret_cast<const char *>(input.data()), qsizetype(input.size()));
    if (bytes.size() > velumo::IniFile::kMaxBytes)
        return; // refused before parsing; the catalogue never passes more
    const velumo::IniFile ini = velumo::IniFile::parse(bytes);
    if (ini.value(u"fuzz section"_s, u"FUZZ_KEY"_s) != u"first"_s)
        std::abort();

    // The catalogue's slot lists: the orientation list of section 1.
    const QString list = ini.value(u"1"_s, u"szhz"_s);
    const QStringList items = velumo::slotListItems(list);
    const qsizetype first = list.indexOf(u'|');
    const qsizetype last = list.lastIndexOf(u'|');
    const QString inside = first >= 0 && last > first ? list.mid(first + 1, last - first - 1) : QString();
    if (items.size() != (last > first ? list.count(u'|') - 1 : 0) || items.join(u'|') != inside)
        std::abort();
}

} // namespace

VELUMO_FUZZ_ENTRY(template_ini, readAnyParameters);
