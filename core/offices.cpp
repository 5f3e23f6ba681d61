#include "core/offices.h"

#include "core/shared_state.h"

namespace zorvik {
namespace {

// Region, company, three address lines, postcode or country, telephone, fax.
// The addresses are the program's own invention.
struct BuiltInOffice {
    const char* Field[8];
};

constexpr BuiltInOffice kBuiltIn[10] = {
    {{"U.S.A.", "Zorvik Pneumatics Inc.", "4180 Harbor Point Drive", "Suite 200", "Kenmore Falls, OH 44710",
      "United States of America", "Tel: +1 (330) 555 0142", "Fax: +1 (330) 555 0143"}},
    {{"UK.", "Zorvik Pneumatics Ltd.", "Unit 7, Brindley Park", "Carrow Road", "Halesworth, Suffolk",
      "IP19 8ZX", "Tel: +44 (0)1986 555 210", "Fax: +44 (0)1986 555 211"}},
    {{"Asia", "Zorvik Pneumatics Asia Pte. Ltd.", "18 Tanjong Keris Crescent", "#04-11 Keris Industrial Park",
      "Singapore 629884", "", "Tel: +65 6555 0381", "Fax: +65 6555 0382"}},
    {{"Australasia", "Zorvik Pneumatics Pty. Ltd.", "22 Wattlebird Street", "Moorabbin Industrial Estate",
      "Victoria 3189, Australia", "", "Tel: +61 (0)3 5550 1127", "Fax: +61 (0)3 5550 1128"}},
    {{"France", "Zorvik Pneumatique S.A.R.L.", "Zone Artisanale des Coudrais", "11 rue des Forges",
      "72230 Arnage, France", "", "Tel: +33 (0)2 43 55 50 61", "Fax: +33 (0)2 43 55 50 62"}},
    {{"Germany", "Zorvik Druckluft GmbH", "Kesselweg 14", "Gewerbegebiet Nord",
      "D-34253 Lohfelden, Germany", "", "Tel: +49 (0)561 555 0770", "Fax: +49 (0)561 555 0771"}},
    {{"Italy", "Zorvik Pneumatica S.r.l.", "Via delle Officine 9", "Zona Industriale Ovest", "20090 Segrate (MI)",
      "Italia", "Tel: +39 02 5550 4418", "Fax: +39 02 5550 4419"}},
    {{"Netherlands", "Zorvik Pneumatiek B.V.", "Havenstraat 31", "Industrieterrein De Kade",
      "3364 AK Sliedrecht, Nederland", "", "Tel: +31 (0)184 555 290", "Fax: +31 (0)184 555 291"}},
    {{"Spain", "Zorvik Neumatica S.L.", "Poligono Industrial Can Roqueta", "Calle de la Fundicion 6",
      "08202 Sabadell (Barcelona)", "Espana", "Tel: +34 93 555 06 12", "Fax: +34 93 555 06 13"}},
    {{"Scotland", "Zorvik Pneumatics (Scotland) Ltd.", "3 Kelvin Works", "Strathmore Business Park",
      "Forfar, Angus", "DD8 9ZQ", "Tel: +44 (0)1307 555 480", "Fax: +44 (0)1307 555 481"}},
};

}  // namespace

void InitOffices() {
    Shared.OfficeIndex = 1;
    for (int i = 0; i < OfficeCount; ++i) {
        for (int f = 0; f < 8; ++f) {
            Shared.Offices[i].Field[f] = i < 10 ? kBuiltIn[i].Field[f] : "";
        }
    }
}

namespace {

std::string WithWord(const std::string& word, const std::string& line) {
    return line.rfind(word, 0) == 0 ? line : word + " " + line;
}

}  // namespace

std::string TelFaxLine(const TAddressData& office) {
    return WithWord("Tel", office.Field[6]) + "    " + WithWord("Fax", office.Field[7]);
}

const TAddressData& ChosenOffice() {
    const int i = Shared.OfficeIndex;
    return Shared.Offices[(i >= 0 && i < OfficeCount) ? i : 0];
}

}  // namespace zorvik
