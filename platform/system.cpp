// What the system services share across the backends.
#include "platform/system.h"

namespace morvane {

SystemResult PowerOffResult(const SystemResult& privilege, const SystemResult& request) {
  if (request || privilege) return request;
  if (privilege.errorText.empty()) return request;
  if (request.errorText.empty()) return privilege;
  return SystemResult::Refused(request.errorText + " The shutdown privilege was refused as well: " + privilege.errorText);
}

}  // namespace morvane
