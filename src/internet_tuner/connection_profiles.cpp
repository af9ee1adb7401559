#include "internet_tuner/connection_profiles.h"

namespace tw {

void ApplyConnectionProfile(std::size_t profile, NetworkStore& store) {
    using P = NetParameter;
    if (profile == kWindowsDefaultsProfile) {
        for (const P parameter : {P::PathMtuDiscovery, P::BlackHoleDetection, P::SelectiveAcks, P::WindowScaling,
                                  P::ReceiveWindow, P::Ttl, P::Mtu, P::Connections11, P::Connections10,
                                  P::SessionKeepAlive})
            store.Delete(parameter);
        return;
    }
    const ConnectionProfile& p = kConnectionProfiles.at(profile);
    store.WriteNumber(P::PathMtuDiscovery, p.pathMtuDiscovery);
    store.WriteNumber(P::BlackHoleDetection, p.blackHoleDetection);
    store.WriteNumber(P::SelectiveAcks, p.selectiveAcks);
    store.WriteNumber(P::WindowScaling, p.windowScaling);
    store.WriteNumber(P::ReceiveWindow, p.receiveWindow);
    store.WriteNumber(P::Ttl, p.ttl);
    store.WriteNumber(P::Mtu, p.mtu);
    store.WriteNumber(P::Connections11, p.connections11);
    store.WriteNumber(P::Connections10, p.connections10);
}

}  // namespace tw
