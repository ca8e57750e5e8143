#include "monitors/NetworkCounters.h"

#include "toolkit/SystemLibrary.h"
#include "toolkit/WideText.h"

#include <memory>
#include <string>

namespace monitors {
namespace {

constexpr wchar_t kLibraryName[] = L"iphlpapi.dll";

AdapterRow ToAdapterRow(const MIB_IF_ROW2& row) {
    AdapterRow adapter;
    adapter.id = row.InterfaceLuid.Value;
    // In the ANSI code page, as the command line and the settings file carry names.
    adapter.name = tk::Ansi(row.Alias);
    adapter.loopback = row.Type == IF_TYPE_SOFTWARE_LOOPBACK;
    adapter.up = row.OperStatus == IfOperStatusUp;
    adapter.received = row.InOctets;
    adapter.sent = row.OutOctets;
    return adapter;
}

} // namespace

NetworkCounters::NetworkCounters() noexcept
    : library_(tk::LoadSystemLibrary(kLibraryName)),
      getIfTable2_(tk::GetProc<GetIfTable2Proc>(library_, "GetIfTable2")),
      freeMibTable_(tk::GetProc<FreeMibTableProc>(library_, "FreeMibTable")) {}

std::optional<std::vector<AdapterRow>> NetworkCounters::Read() const {
    if (!getIfTable2_ || !freeMibTable_) return std::nullopt;
    PMIB_IF_TABLE2 raw = nullptr;
    if (getIfTable2_(&raw) != NO_ERROR || !raw) return std::nullopt;
    const std::unique_ptr<MIB_IF_TABLE2, FreeMibTableProc> table(raw, freeMibTable_);
    std::vector<AdapterRow> rows;
    rows.reserve(table->NumEntries);
    for (ULONG i = 0; i < table->NumEntries; ++i) {
        const MIB_IF_ROW2& row = table->Table[i];
        if (!row.InterfaceAndOperStatusFlags.FilterInterface) rows.push_back(ToAdapterRow(row));
    }
    return rows;
}

} // namespace monitors
