#include "Papy/Objects/N4DescriptorRegistry.h"

#include "Papy/Objects/N4AnimatedTransform.h"
#include "Papy/Objects/N4Appearance.h"
#include "Papy/Objects/N4FSection.h"
#include "Papy/Objects/N4Geometry.h"
#include "Papy/Objects/N4NodeDescriptor.h"
#include "Papy/Objects/N4PlainVertexList.h"
#include "Papy/Objects/N4Shape.h"
#include "Papy/Objects/N4Texture.h"
#include "Papy/Objects/N4TextureCoords.h"
#include "Papy/Objects/N4Track.h"
#include "Papy/Objects/N4TrackDetail.h"
#include "Papy/Objects/N4TrackSegment.h"
#include "Papy/Objects/N4TracksideObject.h"
#include "Papy/Objects/N4TriList.h"
#include "Papy/Objects/N4TsoReference.h"
#include "Papy/Objects/N4WSection.h"
#include "Papy/Objects/N4XSection.h"

namespace Tessel::Papy {

using N4ArchiverAnimatedTransform = N4NodeDescriptor<N4AnimatedTransform>;
using N4ArchiverAppearance = N4NodeDescriptor<N4Appearance>;
using N4ArchiverGeometry = N4NodeDescriptor<N4Geometry>;
using N4ArchiverShape = N4NodeDescriptor<N4Shape>;
using N4ArchiverTexture = N4NodeDescriptor<N4Texture>;
using N4ArchiverTriList = N4NodeDescriptor<N4TriList>;
using N4ArchiverPlainVertexList = N4NodeDescriptor<N4PlainVertexList>;
using N4ArchiverXSection = N4NodeDescriptor<N4XSection>;
using N4ArchiverWSection = N4NodeDescriptor<N4WSection>;
using N4ArchiverTsoReference = N4NodeDescriptor<N4TsoReference>;
using N4ArchiverTracksideObject = N4NodeDescriptor<N4TracksideObject>;
using N4ArchiverTrackSegment = N4NodeDescriptor<N4TrackSegment>;
using N4ArchiverTrackDetail = N4NodeDescriptor<N4TrackDetail>;
using N4ArchiverTrack = N4NodeDescriptor<N4Track>;
using N4ArchiverTextureCoords = N4NodeDescriptor<N4TextureCoords>;
using N4ArchiverFSection = N4NodeDescriptor<N4FSection>;

const N4Descriptors& N4DescriptorRegistry() {
    static const N4ArchiverAnimatedTransform animatedTransform;
    static const N4ArchiverAppearance appearance;
    static const N4ArchiverGeometry geometry;
    static const N4ArchiverShape shape;
    static const N4ArchiverTexture texture;
    static const N4ArchiverTriList triList;
    static const N4ArchiverPlainVertexList plainVertexList;
    static const N4ArchiverXSection xSection;
    static const N4ArchiverWSection wSection;
    static const N4ArchiverTsoReference tsoReference;
    static const N4ArchiverTracksideObject tracksideObject;
    static const N4ArchiverTrackSegment trackSegment;
    static const N4ArchiverTrackDetail trackDetail;
    static const N4ArchiverTrack track;
    static const N4ArchiverTextureCoords textureCoords;
    static const N4ArchiverFSection fSection;
    static const N4Descriptors registry = {
        &animatedTransform, &appearance, &geometry, &shape,  &texture,  &triList,      &plainVertexList,
        &xSection,          &wSection,   &tsoReference,     &tracksideObject, &trackSegment, &trackDetail,
        &track,             &textureCoords, &fSection};
    return registry;
}

}  // namespace Tessel::Papy
