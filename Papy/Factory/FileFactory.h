#pragma once

#include "Util/Exception.h"

#include <map>
#include <memory>
#include <typeindex>

namespace Tessel::Papy {

// A bag of facets, one per role (replay maker, track maker, LP maker, ...), filled by a game
// recognizer with the implementations of the game that owns a directory. The application asks
// for a facet by its kind and never names a game.
//
// A facet role is an abstract class derived from Facet that names itself as its FacetRole
// (`using FacetRole = MakeTrk;`); implementations inherit that name, so a facet is stored and
// found under its kind whatever its concrete class.
class FileFactory {
public:
    class Facet {
    public:
        virtual ~Facet() = default;
    };

    // Stores the facet under its kind, replacing a facet of that kind; whoever holds the old
    // facet keeps it alive.
    template <class FacetT>
    void AddFacet(std::shared_ptr<FacetT> facet) {
        facets[RoleOf<FacetT>()] = std::move(facet);
    }

    template <class FacetT>
    bool HasFacet() const {
        return facets.count(RoleOf<FacetT>()) != 0;
    }

    // Breaks the assertion "HasFacet<FacetT>()" when the factory has no facet of that kind.
    template <class FacetT>
    std::shared_ptr<typename FacetT::FacetRole> GetFacet() const {
        if (!HasFacet<FacetT>())
            Util::AssertionFailed("HasFacet<FacetT>()", __FILE__, __LINE__);
        return std::static_pointer_cast<typename FacetT::FacetRole>(facets.at(RoleOf<FacetT>()));
    }

private:
    template <class FacetT>
    static std::type_index RoleOf() {
        return typeid(typename FacetT::FacetRole);
    }

    std::map<std::type_index, std::shared_ptr<Facet>> facets;
};

}  // namespace Tessel::Papy
