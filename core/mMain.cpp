#include "core/mMain.h"

#include "core/ErrorHandler.h"

namespace mMain {

void Inc(Variant& vNumber, const Variant& vIncrement) {
    PassOn("mMain.Inc(vNumber,vIncrement)", ERR_ARGS(vNumber, vIncrement),
           [&] { vNumber = VarAdd(vNumber, vIncrement); });
}

void Dec(Variant& vNumber, const Variant& vDecrement) {
    PassOn("mMain.Dec(vNumber,vDecrement)", ERR_ARGS(vNumber, vDecrement),
           [&] { vNumber = VarSub(vNumber, vDecrement); });
}

}  // namespace mMain
