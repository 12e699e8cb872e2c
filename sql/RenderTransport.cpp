// The transport step: transport-system criteria, the narrowing run and the
// transport result statement ordered by system name.
#include "core/CTools.h"
#include "core/ErrorHandler.h"
#include "core/Globals.h"
#include "interfaces/ICriteria.h"
#include "interfaces/IDataManager.h"
#include "interfaces/_cvDataManager.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Text.h"
#include "platform/toolslib/cvStrings.h"
#include "sql/CSQLBuilder.h"
#include "sql/CSQLRenderer.h"
#include "sql/RenderValues.h"
#include "sql/SqlValues.h"

namespace {

// Where the query file holds the values of a specification range.
constexpr render::RangeOf kSpecificationOf{
    "TransportSpecification@BoundaryMinimum", "TransportSpecification@BoundaryMaximum",
    "TransportSpecification@UnitCategory", "TransportSpecification@DefaultUnit"};

}  // namespace

void CSQLRenderer::Transport() {
    return PassOn("CSQLRenderer.Transport(SQL)", ERR_ARGS(builder_->SQL()), [&] {
        const Ref<_cvDataManager>& root = gDataManagerObject();
        const Ref<ITransport> transport = TransportCriteria();
        CSQLBuilder& b = *builder_;
        root->SetProgressMessage("Building Query (Transport)");

        if (transport->QZMnemonicCount() >= 1)
            render::AddIn(b, "A.EVMnemonic IN (",
                          render::QuotedTexts(transport->QZMnemonicList(), "QZMnemonic@ID"));
        if (transport->AssetCodeCount() >= 1)
            render::AddIn(b, "A.Transport_Code IN (",
                          render::Codes(transport->AssetCodeList(), "AssetCode@Code"));
        // Every name pattern must match; a pattern is one literal whatever
        // it holds.
        for (int32_t i = 0, n = transport->TransportNameCount(); i < n; ++i) {
            const std::string pattern = transport->TransportNameSearchString(i);
            if (!pattern.empty()) b.AddWhere("TRANSPORT_SYSTEM" + render::Like(pattern, true), "AND");
        }
        if (transport->TransportSystemsCount() >= 1)
            render::AddIn(b, "A.TRANSPORT_CODE IN (",
                          render::Codes(transport->TransportSystemsList(), "TransportSystem@Code"));
        for (int32_t i = 0, n = transport->TransportMethodCount(); i < n; ++i) {
            const std::string method = transport->TransportMethod(i);
            if (!method.empty()) b.AddWhere("TRANSPORT_METHOD_CODE" + render::Like(method, false), "AND");
        }
        for (int32_t i = 0, n = transport->PrimaryProductTypeCount(); i < n; ++i)
            render::AddIn(b, "ENERGY_TYPE_CODE IN (",
                          render::QuotedTexts(transport->PrimaryProductType(i), "PrimaryProductType", '"'));
        if (transport->TransportStatusCount() >= 1)
            render::AddIn(b, "TRANSPORT_STATUS_CODE IN (",
                          render::QuotedTexts(transport->TransportStatusList(), "TransportStatus@Code"));
        // The first source's (and destination's) type stands for them all.
        if (transport->TransportSourceCount() >= 1) {
            const std::string sources =
                render::Codes(transport->TransportSourceList(), "TransportSource@Code");
            if (!sources.empty()) {
                b.AddWhere("START_CODE IN (" + sources + ")", "AND");
                b.AddWhere("START_TYPE = " + SqlText(transport->TransportSourceType(0)).Text(), "AND");
            }
        }
        if (transport->TransportDestinationCount() >= 1) {
            const std::string destinations =
                render::Codes(transport->TransportDestinationList(), "TransportDestination@Code");
            if (!destinations.empty()) {
                b.AddWhere("DEST_CODE IN (" + destinations + ")", "AND");
                b.AddWhere("DEST_TYPE = " + SqlText(transport->TransportDestinationType(0)).Text(), "AND");
            }
        }
        for (int32_t i = 0, n = transport->DateRangeCount(); i < n; ++i)
            render::AddDateRange(b, transport->DateRangeName(i), transport->DateRangeMin(i),
                                 transport->DateRangeMax(i));
        if (transport->FieldLocationsCount() >= 1) {
            // The systems the chosen fields ship through; none, and nothing
            // can match.
            const std::string systems = transport->FieldLocationsList();
            if (systems.empty()) {
                b.SetSQL("0");
                return;
            }
            b.AddWhere("A.TRANSPORT_CODE IN (" + render::Codes(systems) + ")", "AND");
        }
        for (int32_t i = 0, n = transport->TransportSpecificationCount(); i < n; ++i) {
            std::string name = transport->TransportSpecificationRangeFieldname(i);
            if (name == "Pipeline_Diameter") name += "_Actual";
            const std::string category = transport->TransportSpecificationRangeCategory(i);
            const std::string written = transport->TransportSpecificationRangeUnit(i);
            std::string unit = written;
            // A unit stored as "Pipeline Diameter (in)" is the text in the brackets.
            if (unit.find('(') != std::string::npos)
                unit = Trim(gTools()->Str()->TextBetween(unit, "(", ")", 0, 1));
            const std::string min = transport->TransportSpecificationRangeMin(i);
            const std::string max = transport->TransportSpecificationRangeMax(i);
            if (min.empty() && max.empty()) continue;
            // A unit that is none is refused as the query file holds it, not
            // as the part taken from its brackets.
            render::CheckUnit(category, unit, kSpecificationOf, written);
            const std::string column = render::Column(name, "TransportSpecification@FieldName");
            if (render::AddConvertedRange(b, column, column, min, max, category, unit, kSpecificationOf))
                b.AddWhere(column + " IS NOT NULL", "AND");
        }
        if (transport->ShoreStatusCount() >= 1) render::AddShoreStatusGroup(b, *transport);

        root->SetProgressMessage("Building Query (Reducing by Transport)");
        root->SetProgressValue(50);
        const Ref<ADODB::Recordset> rs = Open(b.SQL());
        if (rs->RecordCount() > 0) {
            CheckSize(rs->RecordCount());
            const std::string codes = DistinctCodes(*rs, "Transport_Code");
            b.SetSQL(gDataManager()->GetOption("SQL_TRANSPORT_RESULTS"));
            b.AddWhere("A.Transport_Code IN (" + render::Codes(codes) + ")", "AND");
            // By system (the grouping's name where there is one), then by
            // grouping and name.
            b.AddOrder(
                "IIf(IsNull(A.Transport_Grouping_System_Name),A.Transport_System,A.Transport_Grouping_System_"
                "Name), "
                "A.Transport_Grouping_System_Name & A.Transport_System");
        } else {
            b.SetSQL("0");
        }
    });
}
