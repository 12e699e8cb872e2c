#include "SampleTransport.h"

#include <algorithm>
#include <map>
#include <set>

#include "SampleText.h"
#include "platform/runtime/Text.h"

namespace {
struct FixedTerminal {
    const char* name;
    const char* country;
    const char* grouping;  // name of the complex it belongs to, or empty
    bool oil, gas;
};

const std::vector<FixedTerminal>& FixedTerminals() {
    static const std::vector<FixedTerminal> t = {
        {"Tees Bay Oil Terminal", "GB", "Tees Bay Complex", true, false},
        {"Tees Bay Gas Terminal", "GB", "Tees Bay Complex", false, true},
        {"Sandvoe Terminal", "GB", "", true, true},
        {"Cairnhead Gas Terminal", "GB", "", false, true},
        {"Ravenser Gas Terminal", "GB", "", false, true},
        {"Point of Ness Gas Terminal", "GB", "", false, true},
        {"Morecambe Point Terminal", "GB", "", true, true},
        {"Kårsund Gas Plant", "NO", "Kårsund Processing Complex", false, true},
        {"Kårsund Oil Terminal", "NO", "Kårsund Processing Complex", true, false},
        {"Hjeltefjord Terminal", "NO", "", true, true},
        {"Aukrasund Gas Plant", "NO", "", false, true},
        {"Melkevik LNG Plant", "NO", "", false, true},
        {"Mongsvik Oil Terminal", "NO", "", true, false},
        {"Skovhavn Oil Terminal", "DK", "", true, false},
        {"Vestbro Gas Plant", "DK", "", false, true},
        {"Duinhaven Gas Terminal", "NL", "", false, true},
        {"Zeehaven Oil Terminal", "NL", "", true, false},
        {"Carrowmore Gas Terminal", "IE", "", false, true},
    };
    return t;
}

// "Tees Bay Oil Terminal" -> "Tees Bay": the place a terminal is named after.
std::string PlaceOf(const std::string& terminal) {
    static const std::set<std::string> stop = {"Oil", "Gas", "LNG", "Terminal", "Processing", "Plant"};
    std::string place;
    for (const std::string& word : Split(terminal, " ")) {
        if (stop.count(word)) break;
        place += (place.empty() ? "" : " ") + word;
    }
    return place.empty() ? terminal : place;
}

std::string StatusOf(const std::string& devStatus, SampleRandom& rnd) {
    if (devStatus == "UNDERDEV") return "UNDERCON";
    if (devStatus == "PROBABLE") return "PLANNED";
    if (devStatus == "ABANDON") return "DECOMM";
    if (devStatus == "CEASED") return rnd.Chance(0.6) ? "OPER" : "DECOMM";
    return "OPER";
}
}  // namespace

void SampleTransport::Make() {
    std::set<std::string> countries;
    for (const RefSector& s : ctx_.ref.sectors) countries.insert(s.country);
    int64_t code = 1;
    std::map<std::string, int64_t> complexes;
    for (const FixedTerminal& t : FixedTerminals()) {
        if (!countries.count(t.country)) continue;
        std::optional<int64_t> groupingCode;
        if (*t.grouping) {
            auto it = complexes.find(t.grouping);
            if (it == complexes.end()) {
                SampleTerminal g;
                g.code = code++;
                g.name = t.grouping;
                g.country = t.country;
                g.grouping = true;
                ctx_.terminals.push_back(g);
                it = complexes.emplace(t.grouping, g.code).first;
            }
            groupingCode = it->second;
        }
        SampleTerminal m;
        m.code = code++;
        m.name = t.name;
        m.country = t.country;
        m.groupingCode = groupingCode;
        if (groupingCode) m.groupingName = t.grouping;
        m.oil = t.oil;
        m.gas = t.gas;
        ctx_.terminals.push_back(m);
    }

    // Where a country's pipelines land: its own terminals, else the British ones.
    auto landing = [&](const std::string& country, bool oil) -> const SampleTerminal* {
        for (const std::string& c : {country, std::string("GB")}) {
            std::vector<const SampleTerminal*> fit, any;
            for (const SampleTerminal& t : ctx_.terminals) {
                if (t.grouping || t.country != c) continue;
                any.push_back(&t);
                if (oil ? t.oil : t.gas) fit.push_back(&t);
            }
            if (!fit.empty()) return fit[ctx_.rnd.Index(fit.size())];
            if (!any.empty()) return any[ctx_.rnd.Index(any.size())];
        }
        return nullptr;
    };
    auto link = [&](SampleTransportSystem& t, const SampleField& from, const SampleTerminal* to) {
        const RefSector& sector = ctx_.ref.sectors[from.sector];
        t.startCode = from.code;
        t.startType = "Field";
        t.startName = from.name;
        t.countries = {sector.country};
        if (to) {
            t.destCode = to->code;
            t.destType = "Terminal";
            t.destName = to->name;
            if (to->country != sector.country) t.countries.push_back(to->country);
        }
        t.status = StatusOf(from.devStatus, ctx_.rnd);
        t.started = from.startDate;
        t.shares = ctx_.rnd.Chance(0.7) ? from.shares : companies_.Participants(sector.country);
        t.users = {from.code};
    };

    std::vector<const SampleField*> hubs;
    for (const SampleField& f : ctx_.fields)
        if (!f.grouping && f.firstYear && f.offshore == "OFFSHORE" && f.devType != "FPSO") hubs.push_back(&f);
    std::stable_sort(hubs.begin(), hubs.end(),
                     [](const SampleField* a, const SampleField* b) { return a->reserves > b->reserves; });
    const size_t pipelines = std::min(hubs.size(), static_cast<size_t>(std::max(1, ctx_.fieldCount / 6)));
    int64_t transportCode = 1;
    for (size_t i = 0; i < pipelines; ++i) {
        const SampleField& hub = *hubs[i];
        const RefSector& sector = ctx_.ref.sectors[hub.sector];
        SampleTransportSystem t;
        t.code = transportCode++;
        t.method = "PIPE";
        const bool oil = hub.fieldType == "OIL" || hub.fieldType == "OILGAS";
        t.energy = oil ? "OIL" : hub.fieldType == "GASCOND" ? "COND" : "GAS";
        t.name = ctx_.names.Unique(hub.name + (oil                  ? " Oil Pipeline"
                                               : t.energy == "COND" ? " Condensate Pipeline"
                                                                    : " Gas Pipeline"));
        t.mnemonic = ctx_.names.Mnemonic(t.name);
        const bool abroad = sector.country == "NO" && !oil && ctx_.rnd.Chance(0.15);
        link(t, hub, landing(abroad ? "GB" : sector.country, oil));
        t.offshore = t.destCode ? "BOTH" : "OFFSHORE";
        t.length = Round(ctx_.rnd.Range(20, 260) + (t.countries.size() > 1 ? 250 : 0), 1);
        const double liquid = hub.peak[kLiquid].value_or(0), gas = hub.peak[kGas].value_or(0);
        double size;
        if (oil) {
            t.oilCapacity = Round(std::max(50.0, liquid * ctx_.rnd.Range(1.2, 2.5)), 0);
            size = *t.oilCapacity / 25;
        } else {
            t.gasCapacity = Round(std::max(100.0, gas * ctx_.rnd.Range(1.2, 2.5)), 0);
            size = *t.gasCapacity / 60;
            if (t.energy == "COND") {
                t.condCapacity = Round(std::max(20.0, liquid * ctx_.rnd.Range(1.2, 2.0)), 0);
                t.lpgCapacity = Round(*t.condCapacity * ctx_.rnd.Range(0.1, 0.3), 0);
            }
        }
        static const double diameters[] = {8, 10, 12, 16, 20, 24, 30, 32, 36, 42, 44};
        t.diameter = diameters[10];
        for (double d : diameters)
            if (d >= size) {
                t.diameter = d;
                break;
            }
        // Fields nearby ship through the hub's line as well.
        const int64_t others = ctx_.rnd.Int(0, 5);
        for (int64_t k = 0; k < others; ++k) {
            const SampleField& f = ctx_.fields[ctx_.rnd.Index(ctx_.fields.size())];
            if (f.grouping || !f.firstYear || f.sector != hub.sector) continue;
            if (std::find(t.users.begin(), t.users.end(), f.code) == t.users.end()) t.users.push_back(f.code);
        }
        ctx_.transport.push_back(t);
    }
    // Floating production ships its oil by shuttle tanker.
    for (const SampleField& f : ctx_.fields) {
        if (f.grouping || !f.firstYear || f.devType != "FPSO") continue;
        SampleTransportSystem t;
        t.code = transportCode++;
        t.method = "TANKER";
        t.energy = f.fieldType == "GAS" || f.fieldType == "GASCOND" ? "COND" : "OIL";
        t.name = ctx_.names.Unique(f.name + " Shuttle Tankers");
        t.mnemonic = ctx_.names.Mnemonic(t.name);
        link(t, f, landing(ctx_.ref.sectors[f.sector].country, true));
        t.offshore = "OFFSHORE";
        t.storage = Round(ctx_.rnd.Range(400, 1100), 0);
        ctx_.transport.push_back(t);
    }
    // Pipelines landing at one terminal are often run as one system.
    std::map<int64_t, std::vector<size_t>> byTerminal;
    for (size_t i = 0; i < ctx_.transport.size(); ++i)
        if (ctx_.transport[i].method == "PIPE" && ctx_.transport[i].destCode)
            byTerminal[*ctx_.transport[i].destCode].push_back(i);
    for (auto& [terminal, lines] : byTerminal) {
        if (lines.size() < 2 || !ctx_.rnd.Chance(0.6)) continue;
        const SampleTerminal* at = nullptr;
        for (const SampleTerminal& tt : ctx_.terminals)
            if (tt.code == terminal) at = &tt;
        const size_t size = std::min(lines.size(), static_cast<size_t>(ctx_.rnd.Int(2, 4)));
        SampleTransportSystem g;
        g.code = transportCode++;
        g.grouping = true;
        g.name = ctx_.names.Unique(PlaceOf(at ? at->name : "Export") + " Pipeline System");
        g.mnemonic = ctx_.names.Mnemonic(g.name);
        const SampleTransportSystem& first = ctx_.transport[lines.front()];
        g.method = "PIPE";
        g.energy = first.energy;
        g.status = first.status;
        g.offshore = "BOTH";
        g.destCode = first.destCode;
        g.destType = first.destType;
        g.destName = first.destName;
        g.shares = first.shares;
        for (size_t k = 0; k < size; ++k) {
            SampleTransportSystem& m = ctx_.transport[lines[k]];
            m.groupingCode = g.code;
            m.groupingName = g.name;
            for (const std::string& c : m.countries)
                if (std::find(g.countries.begin(), g.countries.end(), c) == g.countries.end())
                    g.countries.push_back(c);
            if (!m.started.empty() && (g.started.empty() || m.started < g.started)) g.started = m.started;
        }
        ctx_.transport.push_back(g);
    }
}

void SampleTransport::Write() {
    SampleDatabase::Insert terminal(
        ctx_.core,
        "INSERT INTO Terminal (TERMINAL_CODE, TERMINAL_NAME, TERMINAL_GROUPING, "
        "TERMINAL_GROUPING_CODE, TERMINAL_GROUPING_NAME, Country_Code, OFFSHORE_CODE) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (const SampleTerminal& t : ctx_.terminals)
        terminal.Row({t.code, t.name, int64_t{t.grouping ? 1 : 0}, SqlOpt(t.groupingCode),
                      SqlOptText(t.groupingName), t.country, std::string("ONSHORE")});

    SampleDatabase::Insert ins(
        ctx_.core,
        "INSERT INTO Transport (Transport_Code, Transport_System, EVMnemonic, TRANSPORT_GROUPING, "
        "TRANSPORT_GROUPING_CODE, Transport_Grouping_System_Name, TRANSPORT_METHOD_CODE, ENERGY_TYPE_CODE, "
        "TRANSPORT_STATUS_CODE, OFFSHORE_CODE, START_CODE, START_TYPE, START_NAME, DEST_CODE, DEST_TYPE, "
        "DEST_NAME, "
        "PRODUCTION_STARTED, Pipe_Length, Pipeline_Diameter, Pipeline_Diameter_Actual, Oil_Nominal_Capacity, "
        "LPG_Nominal_Capacity, Cond_Nominal_Capacity, Gas_Nominal_Capacity, Storage_Capacity, Operator_Code, "
        "Operator_Name) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?)");
    SampleDatabase::Insert country(
        ctx_.core, "INSERT INTO TransportCountry (Transport_Code, Country_Code) VALUES (?, ?)");
    SampleDatabase::Insert user(ctx_.core,
                                "INSERT INTO TransportUserField (Transport_Code, Field_Code) VALUES (?, ?)");
    SampleDatabase::Insert interest(ctx_.core,
                                    "INSERT INTO TransportInterest (Transport_Code, Company_Code, "
                                    "Interest_Perc, Ownership_Status) VALUES (?, ?, ?, ?)");
    for (const SampleTransportSystem& t : ctx_.transport) {
        const SampleCompany& op = companies_.Operator(t.shares);
        ins.Row({t.code,
                 t.name,
                 t.mnemonic,
                 int64_t{t.grouping ? 1 : 0},
                 SqlOpt(t.groupingCode),
                 SqlOptText(t.groupingName),
                 t.method,
                 t.energy,
                 t.status,
                 t.offshore,
                 SqlOpt(t.startCode),
                 SqlOptText(t.startType),
                 SqlOptText(t.startName),
                 SqlOpt(t.destCode),
                 SqlOptText(t.destType),
                 SqlOptText(t.destName),
                 SqlOptText(t.started),
                 SqlOpt(t.length),
                 t.diameter ? SqlValue(IntText(static_cast<int64_t>(*t.diameter)) + "\"") : SqlNull(),
                 SqlOpt(t.diameter),
                 SqlOpt(t.oilCapacity),
                 SqlOpt(t.lpgCapacity),
                 SqlOpt(t.condCapacity),
                 SqlOpt(t.gasCapacity),
                 SqlOpt(t.storage),
                 op.code,
                 op.name});
        for (const std::string& c : t.countries) {
            country.Row({t.code, c});
            ctx_.index.push_back({c, "QZT" + IntTextPadded(t.code, 7), t.name, t.mnemonic,
                                  t.grouping             ? "Pipeline System"
                                  : t.method == "TANKER" ? "Tanker System"
                                                         : "Pipeline",
                                  ShoreChar(t.offshore)[0]});
        }
        for (int64_t f : t.users) user.Row({t.code, f});
        for (const SampleShare& s : t.shares)
            interest.Row({t.code, s.company, s.basisPoints / 100.0, int64_t{s.op ? 1 : 0}});
    }
    ctx_.counts.transport = ctx_.transport.size();
}
