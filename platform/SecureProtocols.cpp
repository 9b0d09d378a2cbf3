#include "platform/SecureProtocols.h"

DWORD OfferSecureProtocols(const std::function<bool(DWORD protocols)>& offer) {
  for (const DWORD protocols : kSecureProtocolChoices)
    if (offer(protocols)) return protocols;
  return 0;
}
