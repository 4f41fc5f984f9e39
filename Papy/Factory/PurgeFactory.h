#pragma once

#include "Papy/Factory/FileFactory.h"

namespace Tessel::Papy {

// Knows the factory it belongs to, without owning it (a shared handle would keep the factory
// alive through its own facet).
class PurgeFactory : public FileFactory::Facet {
public:
    using FacetRole = PurgeFactory;
    explicit PurgeFactory(FileFactory* factory) : factory(factory) {}

    FileFactory* GetFactory() const { return factory; }

private:
    FileFactory* factory;
};

}  // namespace Tessel::Papy
