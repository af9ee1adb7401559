#include "internet_tuner/advanced_settings.h"

#include <span>

#include "platform/error.h"

namespace tw {
namespace {

// A stored number of 1 or more shows as a custom value; anything else as
// the Windows default. A text that does not convert leaves the group alone.
void ShowStored(ChoiceGroup& group, std::optional<std::int32_t> stored) {
    if (!stored) return;
    if (*stored >= 1) {
        group.choice = Choice::Custom;
        group.customText = std::to_string(*stored);
    } else {
        group.choice = Choice::WindowsDefault;
    }
}

bool IsSet(const NetworkStore& store, NetParameter parameter) {
    if (store.Place(parameter).isText) return store.ReadText(parameter) == "1";
    return store.ReadNumber(parameter) == 1;
}

std::string ConnectionText(const NetworkStore& store, NetParameter parameter, std::string_view fallback) {
    const std::int32_t stored = store.ReadNumber(parameter);
    return stored >= 1 ? std::to_string(stored) : std::string(fallback);
}

std::uint32_t EntryValue(std::span<const ListEntry> entries, int index) {
    return entries[static_cast<std::size_t>(index) < entries.size() ? static_cast<std::size_t>(index) : 0].value;
}

void WriteFlag(NetworkStore& store, NetParameter parameter, bool on, std::uint32_t onValue = 1) {
    store.WriteNumber(parameter, on ? onValue : 0);
}

// "Windows Default" deletes; a list entry writes its number (the receive
// window's the MSS times its factor); a custom value writes the box's text.
void WriteGroup(NetworkStore& store, NetParameter parameter, const ChoiceGroup& group,
                std::span<const ListEntry> entries) {
    switch (group.choice) {
    case Choice::WindowsDefault:
        store.Delete(parameter);
        break;
    case Choice::Predefined: {
        std::uint32_t number = EntryValue(entries, group.entry);
        if (parameter == NetParameter::ReceiveWindow) number *= static_cast<std::uint32_t>(CurrentMss(store));
        store.WriteNumber(parameter, number);
        break;
    }
    case Choice::Custom:
        store.WriteFromText(parameter, group.customText);
        break;
    }
}

}  // namespace

std::int32_t CurrentMss(const NetworkStore& store) {
    const std::int32_t mtu = store.ReadNumber(NetParameter::Mtu);
    return mtu > 0 ? mtu - 40 : 1460;
}

void ReadCurrentSettings(AdvancedSettings& page, const NetworkStore& store) {
    ShowStored(page.mtu, store.ReadNumber(NetParameter::Mtu));
    page.pathMtuDiscovery = IsSet(store, NetParameter::PathMtuDiscovery);
    page.blackHoleDetection = IsSet(store, NetParameter::BlackHoleDetection);
    ShowStored(page.receiveWindow, store.ReadWholeNumber(NetParameter::ReceiveWindow));
    page.windowScaling = store.ReadNumber(NetParameter::WindowScaling) == 3;
    page.selectiveAcks = IsSet(store, NetParameter::SelectiveAcks);
    page.connections11 = ConnectionText(store, NetParameter::Connections11, "2");
    page.connections10 = ConnectionText(store, NetParameter::Connections10, "4");
    ShowStored(page.keepAlive, store.ReadWholeNumber(NetParameter::SessionKeepAlive));
    ShowStored(page.ttl, store.ReadWholeNumber(NetParameter::Ttl));
    page.duplicateAcks = IsSet(store, NetParameter::DuplicateAcks);
}

void CheckWholeNumbers(const AdvancedSettings& page, const NetworkStore& store) {
    const auto check = [&](NetParameter parameter, const std::string& text) {
        if (!store.Place(parameter).isText && !ParseWholeNumber(text))
            throw Error(FormatText("'%s' is not a valid integer value", text));
    };
    const std::pair<NetParameter, const ChoiceGroup*> groups[]{{NetParameter::Mtu, &page.mtu},
                                                               {NetParameter::ReceiveWindow, &page.receiveWindow},
                                                               {NetParameter::SessionKeepAlive, &page.keepAlive},
                                                               {NetParameter::Ttl, &page.ttl}};
    for (const auto& [parameter, group] : groups)
        if (group->choice == Choice::Custom) check(parameter, group->customText);
    check(NetParameter::Connections10, page.connections10);
    check(NetParameter::Connections11, page.connections11);
}

void ApplyAdvancedSettings(const AdvancedSettings& page, NetworkStore& store) {
    CheckWholeNumbers(page, store);
    WriteGroup(store, NetParameter::Mtu, page.mtu, kMtuEntries);
    WriteFlag(store, NetParameter::PathMtuDiscovery, page.pathMtuDiscovery);
    WriteFlag(store, NetParameter::BlackHoleDetection, page.blackHoleDetection);
    WriteGroup(store, NetParameter::ReceiveWindow, page.receiveWindow, kReceiveWindowEntries);
    WriteFlag(store, NetParameter::WindowScaling, page.windowScaling, 3);
    WriteFlag(store, NetParameter::SelectiveAcks, page.selectiveAcks);
    store.WriteFromText(NetParameter::Connections10, page.connections10);
    store.WriteFromText(NetParameter::Connections11, page.connections11);
    WriteGroup(store, NetParameter::SessionKeepAlive, page.keepAlive, kKeepAliveEntries);
    WriteGroup(store, NetParameter::Ttl, page.ttl, kTtlEntries);
    WriteFlag(store, NetParameter::DuplicateAcks, page.duplicateAcks);
}

}  // namespace tw
