#include "Papy/Objects/N4AnimatedTransform.h"

#include "Papy/Objects/N4BodyTransfer.h"

namespace Tessel::Papy {

namespace {

constexpr int ReservedZeros = 12;
constexpr std::uint32_t StateBytes = 32;

}  // namespace

template <class Io, class F>
void N4AnimatedTransform::Transfer(Io& io, F& f) {
    io.Fixed(std::uint32_t{1}, "N4 3do AnimatedTransform reserved0 not 1");
    io.String(f.name);
    io.Fixed(std::uint32_t{1}, "N4 3do AnimatedTransform reserved1 not 1");
    io.Fixed(std::uint32_t{1}, "N4 3do AnimatedTransform reserved2 not 1");
    for (int i = 0; i < ReservedZeros; ++i)
        io.Fixed(std::uint32_t{0}, "N4 3do AnimatedTransform reserved3 not 0");
    io.Fixed(std::uint32_t{1}, "N4 3do AnimatedTransform reserved4 not 1");
    for (const int index : {0, 2, 1, 3, 4, 5})
        io.Value(f.transform[index]);
    io.template ReferenceOrNull<ThreeDObject>(f.child);
    io.Fixed(std::uint32_t{1}, "N4 3do AnimatedTransform reserved5 not 1");
    io.String(f.name2);
    TransferArray(io, f.states, StateBytes, "N4 3do AnimatedTransform state array size error", true,
                  [&io](auto& state) {
                      for (const int index : {0, 1, 3, 2, 4, 5, 6, 7})
                          io.Value(state[index]);
                  });
}

N4_NODE_TRANSFER(N4AnimatedTransform);

}  // namespace Tessel::Papy
