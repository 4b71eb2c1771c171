#include "AddressGenerator.h"

#include <initializer_list>

// Every random draw is its own statement: the order in which C++ evaluates
// function arguments is unspecified, and the records must not depend on it.

class AddressGenerator::Rng
{
public:
    explicit Rng(quint64 seed) : m_state(seed) {}

    // splitmix64: tiny, fast and fully specified.
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % quint64(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool perMille(int p) { return below(1000) < p; }
    // Favours the front of a list (common names first).
    int skewed(int n)
    {
        const int a = below(n);
        const int b = below(n);
        return a < b ? a : b;
    }
    const QString &pick(const QStringList &list) { return list.at(below(int(list.size()))); }
    const QString &pickSkewed(const QStringList &list) { return list.at(skewed(int(list.size()))); }

private:
    quint64 m_state;
};

namespace {

QStringList utf8List(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *s : items)
        list << QString::fromUtf8(s);
    return list;
}

// A name as it can stand in a mail address: umlauts spelt out, lower case,
// only letters, digits, '.' and '-'.
QString mailPart(const QString &text)
{
    QString out;
    for (QChar c : text.toLower()) {
        switch (c.unicode()) {
        case 0xE4:
            out += QLatin1String("ae");
            break;
        case 0xF6:
            out += QLatin1String("oe");
            break;
        case 0xFC:
            out += QLatin1String("ue");
            break;
        case 0xDF:
            out += QLatin1String("ss");
            break;
        case 0xE9:
        case 0xE8:
        case 0xEB:
            out += QLatin1Char('e');
            break;
        default:
            if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-')
                out += c;
            else if (!out.isEmpty() && !out.endsWith(QLatin1Char('-')))
                out += QLatin1Char('-');
        }
    }
    while (out.endsWith(QLatin1Char('-')) || out.endsWith(QLatin1Char('.')))
        out.chop(1);
    return out;
}

QString digits(int count, quint64 bits)
{
    QString s;
    s.reserve(count);
    s += QChar(u'1' + char16_t(bits % 9));
    bits /= 9;
    for (int i = 1; i < count; ++i) {
        s += QChar(u'0' + char16_t(bits % 10));
        bits /= 10;
    }
    return s;
}

} // namespace

AddressGenerator::AddressGenerator(quint64 seed) : m_seed(seed)
{
    m_surnames = utf8List(
        {"Müller",    "Schmidt",    "Schneider", "Fischer",   "Weber",      "Meyer",
         "Wagner",    "Becker",     "Schulz",    "Hoffmann",  "Schäfer",    "Koch",
         "Bauer",     "Richter",    "Klein",     "Wolf",      "Schröder",   "Neumann",
         "Schwarz",   "Zimmermann", "Braun",     "Krüger",    "Hofmann",    "Hartmann",
         "Lange",     "Schmitt",    "Werner",    "Schmitz",   "Krause",     "Meier",
         "Lehmann",   "Schmid",     "Schulze",   "Maier",     "Köhler",     "Herrmann",
         "König",     "Walter",     "Mayer",     "Huber",     "Kaiser",     "Fuchs",
         "Peters",    "Lang",       "Scholz",    "Möller",    "Weiß",       "Jung",
         "Hahn",      "Schubert",   "Vogel",     "Friedrich", "Keller",     "Günther",
         "Frank",     "Berger",     "Winkler",   "Roth",      "Beck",       "Lorenz",
         "Baumann",   "Franke",     "Albrecht",  "Schuster",  "Simon",      "Ludwig",
         "Böhm",      "Winter",     "Kraus",     "Martin",    "Schumacher", "Krämer",
         "Vogt",      "Stein",      "Jäger",     "Otto",      "Sommer",     "Groß",
         "Seidel",    "Heinrich",   "Brandt",    "Haas",      "Schreiber",  "Graf",
         "Schulte",   "Dietrich",   "Ziegler",   "Kuhn",      "Kühn",       "Pohl",
         "Engel",     "Horn",       "Busch",     "Bergmann",  "Thomas",     "Voigt",
         "Sauer",     "Arnold",     "Wolff",     "Pfeiffer",  "Gärtner",    "Süß",
         "Lübke",     "Düring",     "Höfer",     "Strauß",    "Nußbaum",    "Öztürk",
         "Yilmaz",    "Kowalski",   "Nowak",     "Begić",     "Dvořák",     "Müller-Lüdenscheidt",
         "von Bülow", "Rößler",     "Weißenborn"});
    // Begić and Dvořák hold letters outside Windows-1252 on purpose: the
    // program's own files must survive them.
    m_maleNames = utf8List(
        {"Thomas",      "Michael", "Andreas", "Stefan",    "Peter",    "Klaus",    "Jürgen",
         "Wolfgang",    "Frank",   "Uwe",     "Christian", "Markus",   "Matthias", "Alexander",
         "Jörg",        "Martin",  "Hans",    "Dieter",    "Günter",   "Horst",    "Sebastian",
         "Tobias",      "Jan",     "Lukas",   "Jonas",     "Leon",     "Felix",    "Maximilian",
         "Paul",        "Niklas",  "Björn",   "Sören",     "René",     "André",    "Rüdiger",
         "Jens",        "Sven",    "Dirk",    "Bernd",     "Ralf",     "Holger",   "Karl-Heinz",
         "Hans-Jürgen", "Timo",    "Florian", "Daniel",    "Benedikt", "Lutz",     "Götz"});
    m_femaleNames = utf8List(
        {"Sabine",  "Petra",     "Andrea", "Claudia",   "Susanne",   "Monika",       "Birgit",
         "Karin",   "Ursula",    "Renate", "Gabriele",  "Stefanie",  "Julia",        "Anna",
         "Laura",   "Lena",      "Sarah",  "Katharina", "Christine", "Nicole",       "Sandra",
         "Martina", "Heike",     "Jutta",  "Brigitte",  "Anja",      "Silke",        "Kerstin",
         "Bärbel",  "Hannelore", "Doris",  "Ingrid",    "Gisela",    "Marie",        "Sophie",
         "Lea",     "Emma",      "Hanna",  "Mia",       "Zoë",       "Anne-Kathrin", "Maren",
         "Frauke",  "Dörte",     "Jülide", "Ute",       "Käthe",     "Rosemarie",    "Elke"});
    m_streets = utf8List({"Hauptstraße",
                          "Bahnhofstraße",
                          "Schulstraße",
                          "Gartenstraße",
                          "Dorfstraße",
                          "Bergstraße",
                          "Lindenstraße",
                          "Kirchstraße",
                          "Waldstraße",
                          "Ringstraße",
                          "Goethestraße",
                          "Schillerstraße",
                          "Mühlenweg",
                          "Am Markt",
                          "Birkenweg",
                          "Friedrich-Ebert-Straße",
                          "Mozartstraße",
                          "Talstraße",
                          "Rosenweg",
                          "Wiesenweg",
                          "Poststraße",
                          "Feldstraße",
                          "Blumenstraße",
                          "Jahnstraße",
                          "Beethovenstraße",
                          "Königsallee",
                          "Lessingstraße",
                          "Uhlandstraße",
                          "Brückenstraße",
                          "Marktplatz",
                          "Am Bahnhof",
                          "Industriestraße",
                          "Kastanienallee",
                          "Eichendorffstraße",
                          "Heinrich-Heine-Straße",
                          "Mittelweg",
                          "Grüner Weg",
                          "Kölner Straße",
                          "Münchener Straße",
                          "Frankfurter Allee",
                          "Große Straße",
                          "Steinweg",
                          "Schloßstraße",
                          "Weißdornweg",
                          "Fährstraße",
                          "Lübecker Straße",
                          "Dürerstraße",
                          "An der Mühle",
                          "Im Winkel",
                          "Auf dem Höchsten",
                          "Zur Alten Schmiede",
                          "Hölderlinweg"});
    m_trades = utf8List({"Bäckerei",
                         "Metzgerei",
                         "Autohaus",
                         "Elektro",
                         "Malerbetrieb",
                         "Schreinerei",
                         "Steuerberatung",
                         "Gärtnerei",
                         "Friseursalon",
                         "Blumenhaus",
                         "Buchhandlung",
                         "Zahnarztpraxis Dr.",
                         "Rechtsanwaltskanzlei",
                         "Ingenieurbüro",
                         "Dachdeckerei",
                         "Fahrschule",
                         "Optik",
                         "Reisebüro",
                         "Physiotherapie",
                         "Sanitätshaus"});
    m_businesses = utf8List({"Haustechnik", "Logistik", "Immobilien", "Druck und Medien",
                             "Maschinenbau", "Software", "Bauunternehmung", "Gebäudereinigung",
                             "Feinkost", "Landmaschinen", "Spedition", "Versicherungsmakler"});
    m_legalForms = utf8List(
        {"GmbH", "GmbH & Co. KG", "KG", "AG", "e.K.", "OHG", "GbR", "UG (haftungsbeschränkt)"});
    m_clubs = utf8List({"Turnverein 1861", "Schützenverein", "Gesangverein Frohsinn",
                        "Förderverein der Grundschule", "Heimatverein", "Tennisclub Grün-Weiß",
                        "Freiwillige Feuerwehr", "Kleingartenverein Sonnenschein",
                        "Musikverein Harmonie", "Sportfreunde"});
    m_subjects = utf8List(
        {"Angebot", "Rechnung", "Einladung zum Sommerfest", "Jahreshauptversammlung",
         "Mitgliedsbeitrag", "Weihnachtsgrüße", "Ihre Anfrage", "Auftragsbestätigung", "Newsletter",
         "Vertragsverlängerung", "Glückwünsche zum Geburtstag", "Rundschreiben", "Preisliste 2024",
         "Terminbestätigung", "Spendenbescheinigung", "Änderung der Öffnungszeiten"});
    m_domains = utf8List({"web.de", "gmx.de", "gmail.com", "t-online.de", "gmx.net", "yahoo.de",
                          "outlook.de", "posteo.de", "freenet.de", "arcor.de", "mailbox.org"});
    m_mobilePrefixes = utf8List({"0151", "0152", "0157", "0160", "0162", "0163", "0170", "0171",
                                 "0172", "0173", "0174", "0175", "0176", "0177", "0178", "0179"});

    struct CityEntry
    {
        const char *name;
        const char *area;
        int weight; // about the population in 100,000
        const char *postcodes;
    };
    static const CityEntry germany[] = {
        {"Berlin", "030", 37,
         "10115 10117 10178 10243 10245 10405 10437 10551 10585 10627 10707 10777 10827 10961 "
         "10999 12043 12099 12163 12435 12627 13086 13189 13353 13585 14055 14163 14193"},
        {"Hamburg", "040", 18,
         "20095 20144 20249 20354 20457 21029 21073 22041 22083 22143 22301 22391 22525 22587 "
         "22765"},
        {"München", "089", 15,
         "80331 80335 80469 80539 80634 80797 80992 81241 81371 81475 81539 81669 81737 81925"},
        {"Köln", "0221", 11, "50667 50672 50676 50733 50823 50931 50969 51065 51103 51143"},
        {"Frankfurt am Main", "069", 8,
         "60306 60311 60314 60386 60431 60487 60528 60594 65929 65933"},
        {"Stuttgart", "0711", 6, "70173 70176 70180 70190 70372 70469 70565 70597"},
        {"Düsseldorf", "0211", 6, "40210 40212 40227 40470 40545 40597"},
        {"Leipzig", "0341", 6, "04103 04109 04155 04229 04277 04315"},
        {"Dortmund", "0231", 6, "44135 44137 44139 44263 44369"},
        {"Essen", "0201", 6, "45127 45130 45138 45276 45355"},
        {"Bremen", "0421", 6, "28195 28203 28209 28259 28357"},
        {"Dresden", "0351", 6, "01067 01069 01097 01127 01239 01309"},
        {"Hannover", "0511", 5, "30159 30161 30169 30173 30419 30625"},
        {"Nürnberg", "0911", 5, "90402 90403 90419 90441 90478 90491"},
        {"Duisburg", "0203", 5, "47051 47057 47119 47228"},
        {"Bochum", "0234", 4, "44787 44789 44801 44866"},
        {"Wuppertal", "0202", 4, "42103 42105 42275 42349"},
        {"Bielefeld", "0521", 3, "33602 33604 33615 33739"},
        {"Bonn", "0228", 3, "53111 53113 53115 53175 53225"},
        {"Münster", "0251", 3, "48143 48145 48149 48153 48167"},
        {"Mannheim", "0621", 3, "68159 68161 68165 68199 68309"},
        {"Karlsruhe", "0721", 3, "76131 76133 76137 76185 76229"},
        {"Augsburg", "0821", 3, "86150 86152 86159 86179 86199"},
        {"Wiesbaden", "0611", 3, "65183 65185 65187 65197"},
        {"Braunschweig", "0531", 2, "38100 38102 38106 38118"},
        {"Kiel", "0431", 2, "24103 24105 24114 24148"},
        {"Chemnitz", "0371", 2, "09111 09112 09126 09130"},
        {"Aachen", "0241", 2, "52062 52064 52066 52072"},
        {"Halle (Saale)", "0345", 2, "06108 06110 06114 06128"},
        {"Magdeburg", "0391", 2, "39104 39106 39108 39120"},
        {"Freiburg im Breisgau", "0761", 2, "79098 79100 79102 79106 79117"},
        {"Lübeck", "0451", 2, "23552 23554 23562 23566"},
        {"Mainz", "06131", 2, "55116 55118 55122 55131"},
        {"Erfurt", "0361", 2, "99084 99085 99089 99099"},
        {"Rostock", "0381", 2, "18055 18057 18069 18147"},
        {"Kassel", "0561", 2, "34117 34119 34121 34134"},
        {"Potsdam", "0331", 2, "14467 14469 14471 14482"},
        {"Saarbrücken", "0681", 2, "66111 66113 66117 66121"},
        {"Osnabrück", "0541", 2, "49074 49076 49078 49084"},
        {"Regensburg", "0941", 1, "93047 93049 93053 93055"},
        {"Würzburg", "0931", 1, "97070 97072 97074 97080"},
        {"Göttingen", "0551", 1, "37073 37075 37077 37083"},
        {"Fürth", "0911", 1, "90762 90763 90766"},
        {"Lüneburg", "04131", 1, "21335 21337 21339"},
        {"Tübingen", "07071", 1, "72070 72072 72074"},
        {"Görlitz", "03581", 1, "02826 02827 02828"},
        {"Neuss", "02131", 1, "41460 41462 41464"},
        {"Bad Homburg vor der Höhe", "06172", 1, "61348 61350 61352"},
        // Begins like Berlin but is not Berlin: prefix filters must tell.
        {"Bernau bei Berlin", "03338", 1, "16321"},
    };
    static const CityEntry austria[] = {
        {"Wien", "01", 4, "1010 1020 1030 1070 1090 1100 1120"},
        {"Graz", "0316", 1, "8010 8020"},
        {"Salzburg", "0662", 1, "5020"},
        {"Linz", "0732", 1, "4020"},
        {"Innsbruck", "0512", 1, "6020"},
    };
    static const CityEntry switzerland[] = {
        {"Zürich", "044", 2, "8001 8002 8004 8008"},
        {"Basel", "061", 1, "4051 4052"},
        {"Bern", "031", 1, "3011 3012"},
        {"Luzern", "041", 1, "6003"},
    };
    // Weights per country: Germany 97 %, Austria 2 %, Switzerland 1 %.
    const auto add = [this](const CityEntry *specs, size_t n, const char *country,
                            const char *prefix, int share) {
        int total = 0;
        for (size_t i = 0; i < n; ++i)
            total += specs[i].weight;
        for (size_t i = 0; i < n; ++i) {
            City c;
            c.name = QString::fromUtf8(specs[i].name);
            c.areaCode = QString::fromUtf8(specs[i].area);
            c.country = QString::fromUtf8(country);
            c.dialPrefix = QString::fromUtf8(prefix);
            c.postcodes = QString::fromUtf8(specs[i].postcodes).split(QLatin1Char(' '));
            c.weight = specs[i].weight * share * 1000 / total;
            m_cityWeight += c.weight;
            m_cities.push_back(std::move(c));
        }
    };
    add(germany, std::size(germany), "Deutschland", "", 970);
    add(austria, std::size(austria), "Österreich", "+43 ", 20);
    add(switzerland, std::size(switzerland), "Schweiz", "+41 ", 10);
}

QString AddressGenerator::fieldName(int field)
{
    static const char *const names[FieldCount] = {
        "Selected", "Invalid",         "LetztesMail", "Mail", "Anrede", "Betreff", "Name",
        "Vorname",  "Ansprechpartner", "Str",         "PLZ",  "Ort",    "Land",    "Tel",
        "Fax",      "Kategorie"};
    return QString::fromLatin1(names[field]);
}

AddressGenerator::Record AddressGenerator::record(qint64 index) const
{
    quint64 seed = m_seed ^ (quint64(index) * 0xD1B54A32D192ED03ULL);
    Rng seeder(seed);
    Rng rng(seeder.next());
    if (index > 0 && rng.perMille(20)) {
        // The same person or firm entered a second time: identity copied,
        // the rest as a later entry would differ.
        const qint64 original = qint64(rng.next() % quint64(index));
        Record copy = record(original);
        const Record later = freshRecord(rng);
        for (int f : {int(LetztesMail), int(Betreff), int(Kategorie), int(Invalid)})
            copy[size_t(f)] = later[size_t(f)];
        return copy;
    }
    return freshRecord(rng);
}

const AddressGenerator::City &AddressGenerator::pickCity(Rng &rng) const
{
    int r = rng.below(m_cityWeight);
    for (const City &c : m_cities) {
        if (r < c.weight)
            return c;
        r -= c.weight;
    }
    return m_cities.front();
}

QString AddressGenerator::personName(Rng &rng, bool male, QString *vorname) const
{
    *vorname = rng.pickSkewed(male ? m_maleNames : m_femaleNames);
    return rng.pickSkewed(m_surnames);
}

QString AddressGenerator::companyName(Rng &rng, const QString &kategorie, const City &city) const
{
    if (kategorie == QLatin1String("Verein")) {
        const QString club = rng.pick(m_clubs);
        return club + QLatin1Char(' ') + city.name + QLatin1String(" e.V.");
    }
    const QString owner = rng.pickSkewed(m_surnames);
    switch (rng.below(4)) {
    case 0: {
        const QString trade = rng.pick(m_trades);
        return trade + QLatin1Char(' ') + owner;
    }
    case 1: {
        const QString business = rng.pick(m_businesses);
        const QString form = rng.pick(m_legalForms);
        return owner + QLatin1Char(' ') + business + QLatin1Char(' ') + form;
    }
    case 2: {
        const QString partner = rng.pickSkewed(m_surnames);
        const QString form = rng.pick(m_legalForms);
        return owner + QLatin1String(" & ") + partner + QLatin1Char(' ') + form;
    }
    default: {
        const QString form = rng.pick(m_legalForms);
        return owner + QLatin1Char(' ') + form;
    }
    }
}

QString AddressGenerator::street(Rng &rng) const
{
    QString s = rng.pickSkewed(m_streets);
    const int number = 1 + rng.skewed(160);
    s += QLatin1Char(' ') + QString::number(number);
    const int letter = rng.below(100);
    if (letter < 8)
        s += QChar(u'a' + char16_t(letter % 3));
    return s;
}

QString AddressGenerator::phone(Rng &rng, const City &city, bool mobile,
                                const QString &suffix) const
{
    QString area = mobile ? rng.pick(m_mobilePrefixes) : city.areaCode;
    int length = 7; // mobiles from 016/017 and numbers abroad
    if (mobile && area.startsWith(QLatin1String("015")))
        length = 8;
    else if (!mobile && city.dialPrefix.isEmpty())
        length = std::max(5, 10 - int(area.size())) + rng.below(2);
    const QString number = digits(length, rng.next()) + suffix;
    if (!city.dialPrefix.isEmpty() && !mobile)
        return city.dialPrefix + area.mid(1) + QLatin1Char(' ') + number;
    const int style = rng.below(10);
    if (style < 2)
        return area + QLatin1Char('/') + number;
    if (style < 3)
        return QLatin1String("+49 ") + area.mid(1) + QLatin1Char(' ') + number;
    return area + QLatin1Char(' ') + number;
}

QString AddressGenerator::mailFor(Rng &rng, const QString &vorname, const QString &name) const
{
    const QString domain = rng.pick(m_domains);
    const QString first = mailPart(vorname);
    const QString last = mailPart(name);
    QString local;
    switch (first.isEmpty() ? 4 : rng.below(5)) {
    case 0:
        local = first + QLatin1Char('.') + last;
        break;
    case 1:
        local = first.left(1) + QLatin1Char('.') + last;
        break;
    case 2:
        local = last + QLatin1Char('.') + first;
        break;
    case 3:
        local = first + last + QString::number(rng.between(50, 99));
        break;
    default:
        local = last + QString::number(rng.between(1, 999));
    }
    return local + QLatin1Char('@') + domain;
}

AddressGenerator::Record AddressGenerator::freshRecord(Rng &rng) const
{
    Record r;
    const City &city = pickCity(rng);
    const int kind = rng.below(1000); // < 70 firm, < 120 family, else a person
    const bool male = rng.below(2) == 0;

    r[Selected] = QStringLiteral("Falsch");
    r[Invalid] = rng.perMille(15) ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    if (rng.perMille(300)) {
        const int day = rng.between(1, 28);
        const int month = rng.between(1, 12);
        const int year = rng.between(2018, 2024);
        r[LetztesMail] = QStringLiteral("%1.%2.%3")
                             .arg(day, 2, 10, QLatin1Char('0'))
                             .arg(month, 2, 10, QLatin1Char('0'))
                             .arg(year);
    }
    if (rng.perMille(450))
        r[Betreff] = rng.pick(m_subjects);

    if (kind < 70) {
        static const char *const firmCategories[] = {"Kunde",     "Kunde",     "Kunde",   "Kunde",
                                                     "Lieferant", "Lieferant", "Partner", "Presse",
                                                     "Verein",    "Verein"};
        r[Kategorie] = QString::fromUtf8(firmCategories[rng.below(10)]);
        r[Anrede] = QStringLiteral("Firma");
        r[Name] = companyName(rng, r[Kategorie], city);
        if (rng.perMille(700)) {
            QString first;
            const QString last = personName(rng, male, &first);
            r[Ansprechpartner] = (male ? QStringLiteral("Herr ") : QStringLiteral("Frau ")) +
                                 first + QLatin1Char(' ') + last;
        }
        if (rng.perMille(850)) {
            const QString box =
                rng.perMille(600) ? QStringLiteral("info") : QStringLiteral("kontakt");
            r[Mail] = box + QLatin1Char('@') + mailPart(r[Name]).left(40) + QLatin1String(".de");
        }
        r[Tel] = phone(rng, city, false, QStringLiteral("-0"));
        if (rng.perMille(600))
            r[Fax] = phone(rng, city, false, QStringLiteral("-99"));
    } else {
        static const char *const personCategories[] = {
            "Kunde",    "Kunde",  "Kunde",  "Kunde",   "Interessent", "Interessent",
            "Mitglied", "Privat", "Privat", "Familie", "Freunde",     "Sonstige"};
        r[Kategorie] = QString::fromUtf8(personCategories[rng.below(12)]);
        QString first;
        r[Name] = personName(rng, male, &first);
        if (kind < 120) {
            r[Anrede] = QStringLiteral("Familie");
            if (rng.perMille(300)) {
                QString other;
                personName(rng, !male, &other);
                r[Vorname] = first + QLatin1String(" und ") + other;
            }
        } else {
            r[Vorname] = first;
            const int title = rng.below(1000);
            QString anrede = male ? QStringLiteral("Herr") : QStringLiteral("Frau");
            if (title >= 985)
                anrede += QLatin1String(" Prof. Dr.");
            else if (title >= 975)
                anrede += QLatin1String(" Prof.");
            else if (title >= 920)
                anrede += QLatin1String(" Dr.");
            r[Anrede] = anrede;
        }
        if (rng.perMille(750))
            r[Mail] = mailFor(rng, kind < 120 ? QString() : first, r[Name]);
        const bool mobile = city.dialPrefix.isEmpty() && rng.perMille(300);
        r[Tel] = phone(rng, city, mobile, QString());
        if (rng.perMille(30))
            r[Fax] = phone(rng, city, false, QString());
    }
    r[Str] = street(rng);
    r[PLZ] = rng.pick(city.postcodes);
    r[Ort] = city.name;
    r[Land] = city.country;

    // About one field in ten is simply missing.
    for (int f : {int(Mail), int(Anrede), int(Vorname), int(Str), int(PLZ), int(Ort), int(Land),
                  int(Tel), int(Kategorie)}) {
        if (rng.perMille(100))
            r[size_t(f)].clear();
    }
    return r;
}
