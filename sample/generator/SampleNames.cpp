#include "SampleNames.h"

#include <map>

#include "SampleText.h"
#include "platform/runtime/Text.h"

namespace {
// Word stocks per country.  Norwegian, Danish and Faroese names keep their own
// letters (ø, æ, å, ú), always in lower case inside a word.
const std::map<std::string, std::vector<std::string>>& Stocks() {
    static const std::map<std::string, std::vector<std::string>> stocks = {
        {"GB", {"Whinchat",   "Dunnock",      "Shelduck",   "Goosander",  "Merganser",   "Scaup",
                "Garganey",   "Wigeon",       "Pintail",    "Shoveler",   "Ptarmigan",   "Capercaillie",
                "Dotterel",   "Greenshank",   "Redshank",   "Whimbrel",   "Godwit",      "Sanderling",
                "Turnstone",  "Stonechat",    "Wheatear",   "Linnet",     "Twite",       "Siskin",
                "Redpoll",    "Crossbill",    "Firecrest",  "Nuthatch",   "Treecreeper", "Wryneck",
                "Hobby",      "Harrier",      "Osprey",     "Buzzard",    "Bittern",     "Spoonbill",
                "Avocet",     "Lapwing",      "Curlew",     "Woodcock",   "Shearwater",  "Razorbill",
                "Corncrake",  "Yellowhammer", "Chiffchaff", "Brambling",  "Fieldfare",   "Redwing",
                "Waxwing",    "Skylark",      "Goldcrest",  "Kingfisher", "Sandpiper",   "Oystercatcher",
                "Cormorant",  "Ardmore",      "Ballater",   "Cairnwell",  "Dunmore",     "Glenrossal",
                "Invergarry", "Kilchattan",   "Lochaber",   "Morven",     "Rannoch",     "Strathy",
                "Torridon",   "Ullapool",     "Carrick",    "Loxley",     "Hatherleigh", "Kingsmoor",
                "Stockwell",  "Ashdown",      "Bramber",    "ap Gwilym",  "ap Rhys",     "de Braose"}},
        {"NO", {"Frøya",         "Måke",      "Sølvtind",   "Kråkefjell", "Bjørnebær", "Lysefjord",
                "Trollkjerring", "Gråspurv",  "Fjellrev",   "Nøkken",     "Huldra",    "Draug",
                "Fossegrim",     "Lyngør",    "Sjøorm",     "Havørn",     "Tindved",   "Rognebær",
                "Multebær",      "Tyttebær",  "Blåbær",     "Bringebær",  "Jærstrand", "Hestøy",
                "Ullr",          "Vidar",     "Forseti",    "Mime",       "Magne",     "Svalin",
                "Sunna",         "Dellingr",  "Eikthyrnir", "Gjallar",    "Hugin",     "Munin",
                "Ratatosk",      "Skinfakse", "Rimfakse",   "Vegtam",     "Grane",     "Alsvinn",
                "Aldebaran",     "Lomvi",     "Teist",      "Alke",       "Havhest",   "Krykkje",
                "Svartand",      "Sjøpiple",  "Lundefugl",  "Steinkobbe", "Nise",      "Spekkhogger",
                "Makrellstørje", "Brisling",  "Sild",       "Lyr",        "Brosme",    "Kveite",
                "Rødspette",     "Steinbit",  "Uer",        "Hyse",       "Lange",     "af Klint",
                "von Krogh"}},
        {"DK", {"Rask",      "Lysning",  "Hedeblomst", "Strandsten", "Fyrtårn",   "Ravnkilde",    "Havgræs",
                "Mågeø",     "Klitrose", "Marehalm",   "Sandhjelme", "Tangloppe", "Strandkrabbe", "Hvidtjørn",
                "Lyngbakke", "Skovsnep", "Vibe",       "Stær",       "Digesvale", "Ederfugl"}},
        {"NL", {"Zeehond",  "Garnaal",    "Wadvogel",    "Kievit",    "Grutto",    "Tureluur", "Scholekster",
                "Kluut",    "Lepelaar",   "Zilvermeeuw", "Zeekraal",  "Helmgras",  "Duinroos", "de Kwelder",
                "het Slik", "van Brakel", "de Plaat",    "ter Heide", "Zandhaven", "Veenhoop"}},
        {"IE",
         {"Brannock", "Lugh", "Dagda", "Macha", "Niamh", "Clodagh", "Eithne", "Fionnuala", "Oisín", "Caoimhe",
          "Tadhg", "Ronan", "Aoibheann", "Cathal", "Dervla", "Fiachra"}},
        {"FO",
         {"Grindhvalur", "Lundi", "Tjaldur", "Skarvur", "Súla", "Ternan", "Dunna", "Kjógvi", "Ravnur",
          "Spógvi"}},
    };
    return stocks;
}

const std::vector<std::string>& Suffixes() {
    static const std::vector<std::string> s = {"North",   "South", "East",    "West", "Deep",
                                               "Central", "Ridge", "Terrace", "High", "Flank"};
    return s;
}

const std::vector<std::string>& CompanyWords() {
    static const std::vector<std::string> w = {
        "Amberlea",  "Basalt",    "Cobalt",  "Dunlin",     "Emberfield",  "Flintock", "Granitehead",
        "Harbourne", "Inverlane", "Juniper", "Keelson",    "Lanternfish", "Marram",   "Northwick",
        "Orrery",    "Pennant",   "Quillon", "Rockhopper", "Saltmarsh",   "Tidemark", "Umbrella",
        "Vantage",   "Westerly",  "Yarrow",  "Zephyr"};
    return w;
}

const std::vector<std::string>& CompanyKinds() {
    static const std::vector<std::string> k = {"Energy", "Petroleum",   "Resources",
                                               "Oil",    "Exploration", "Hydrocarbons"};
    return k;
}
}  // namespace

bool SampleNames::Take(const std::string& name) { return used_.insert(LCase(name)).second; }

std::string SampleNames::Unique(const std::string& wanted) {
    if (Take(wanted)) return wanted;
    for (int64_t n = 2;; ++n) {
        std::string candidate = wanted + " " + IntText(n);
        if (Take(candidate)) return candidate;
    }
}

std::string SampleNames::FieldName(const std::string& country, SampleRandom& rnd) {
    const auto& stocks = Stocks();
    auto it = stocks.find(country);
    const std::vector<std::string>& stock = it != stocks.end() ? it->second : stocks.at("GB");
    // Each country goes through its words in an order of its own, so every word
    // is used before any comes back with a suffix, and then with a number.
    Rotation& r = rotations_[country];
    if (r.order.empty()) {
        r.order = stock;
        for (size_t i = r.order.size(); i > 1; --i) std::swap(r.order[i - 1], r.order[rnd.Index(i)]);
    }
    const auto& suffixes = Suffixes();
    for (;;) {
        const size_t round = r.next / r.order.size();
        const std::string& word = r.order[r.next % r.order.size()];
        ++r.next;
        if (round == 0) {
            if (Take(word)) return word;
        } else if (round <= suffixes.size()) {
            const std::string candidate = word + " " + suffixes[round - 1];
            if (Take(candidate)) return candidate;
        } else {
            return Unique(word);
        }
    }
}

std::string SampleNames::GroupingName(const std::string& memberName) {
    return Unique("Greater " + memberName + " Area");
}

std::string SampleNames::Mnemonic(const std::string& name) {
    std::string base = AsciiMnemonic(name, 10);
    if (base.empty()) base = "ASSET";
    if (mnemonics_.insert(base).second) return base;
    for (int64_t n = 2;; ++n) {
        const std::string digits = IntText(n);
        std::string candidate = base.substr(0, 10 - digits.size()) + digits;
        if (mnemonics_.insert(candidate).second) return candidate;
    }
}

std::string SampleNames::ExtraCompanyStem(size_t index) {
    const auto& words = CompanyWords();
    const auto& kinds = CompanyKinds();
    std::string stem = words[index % words.size()] + " " + kinds[(index / words.size()) % kinds.size()];
    const size_t round = index / (words.size() * kinds.size());
    if (round > 0) {
        // Appended in two steps: g++ 12 warns (-Wrestrict, wrongly) about
        // the temporary that " " + text would build here.
        stem += ' ';
        stem += IntText(static_cast<int64_t>(round) + 1);
    }
    return stem;
}
