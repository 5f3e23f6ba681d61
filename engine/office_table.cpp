#include "office_table.h"

namespace zorvik {
namespace {

// Region, company, three address lines, postcode or country, telephone, fax.
// The companies and addresses are the program's own invention; where a
// country sets numbers aside for fiction (U.S.A., UK, Australia, France,
// Germany) the telephone and fax numbers come from those ranges.
struct BuiltInOffice {
    const char* Field[8];
};

constexpr BuiltInOffice kBuiltIn[10] = {
    {{"U.S.A.", "Zorvik Pneumatics Inc.", "4180 Harbor Point Drive", "Suite 200", "Kenmore Falls, OH 44710", "USA",
      "Tel: +1 (330) 555 0142", "Fax: +1 (330) 555 0143"}},
    {{"UK.", "Zorvik Pneumatics Ltd.", "Unit 7, Brindley Park", "Carrow Road", "Halesworth, Suffolk", "IP19 8ZX",
      "Tel: +44 (0)1632 960 210", "Fax: +44 (0)1632 960 211"}},
    {{"Asia", "Zorvik Pneumatics Asia Pte. Ltd.", "18 Tanjong Keris Crescent", "#04-11 Keris Industrial Park",
      "Singapore 629884", "", "Tel: +65 6555 0381", "Fax: +65 6555 0382"}},
    {{"Australasia", "Zorvik Pneumatics Pty. Ltd.", "22 Wattlebird Street", "Moorabbin Industrial Estate",
      "Victoria 3189, Australia", "", "Tel: +61 (0)3 5550 1127", "Fax: +61 (0)3 5550 1128"}},
    {{"France", "Zorvik Pneumatique S.A.R.L.", "Zone Artisanale des Coudrais", "11 rue des Forges",
      "72230 Arnage, France", "", "Tel: +33 (0)2 61 91 50 61", "Fax: +33 (0)2 61 91 50 62"}},
    {{"Germany", "Zorvik Druckluft GmbH", "Kesselweg 14", "Gewerbegebiet Nord", "D-63263 Neu-Isenburg, Germany", "",
      "Tel: +49 (0)69 90009 770", "Fax: +49 (0)69 90009 771"}},
    {{"Italy", "Zorvik Pneumatica S.r.l.", "Via delle Officine 9", "Zona Industriale Ovest", "20090 Segrate (MI)",
      "Italia", "Tel: +39 02 5550 4418", "Fax: +39 02 5550 4419"}},
    {{"Netherlands", "Zorvik Pneumatiek B.V.", "Havenstraat 31", "Industrieterrein De Kade",
      "3364 AK Sliedrecht, Nederland", "", "Tel: +31 (0)184 555 290", "Fax: +31 (0)184 555 291"}},
    {{"Spain", "Zorvik Neumatica S.L.", "Poligono Industrial Can Roqueta", "Calle de la Fundicion 6",
      "08202 Sabadell (Barcelona)", "Espana", "Tel: +34 93 555 06 12", "Fax: +34 93 555 06 13"}},
    {{"Scotland", "Zorvik Pneumatics (Scotland) Ltd.", "3 Kelvin Works", "Strathmore Business Park",
      "Livingston, West Lothian", "EH54 9ZQ", "Tel: +44 (0)131 496 0480", "Fax: +44 (0)131 496 0481"}},
};

std::string WithWord(const std::string& word, const std::string& line) {
    return line.rfind(word, 0) == 0 ? line : word + " " + line;
}

}  // namespace

OfficeTable InitOffices() {
    OfficeTable offices;
    for (int i = 0; i < 10; ++i)
        for (int f = 0; f < 8; ++f) offices[i].Field[f] = kBuiltIn[i].Field[f];
    return offices;
}

const TAddressData& ChosenOffice(const OfficeTable& offices, int index) {
    return offices[(index >= 0 && index < OfficeCount) ? index : 0];
}

std::string TelFaxLine(const TAddressData& office) {
    return WithWord("Tel", office.Field[6]) + "    " + WithWord("Fax", office.Field[7]);
}

}  // namespace zorvik
