#include <gtest/gtest.h>

#include "platform/runtime/Object.h"
#include "platform/runtime/Variant.h"
#include "support/ErrorAssert.h"

namespace {

class IShape : public virtual Object {
public:
    virtual int32_t Sides() = 0;
};
class IColoured : public virtual Object {
public:
    virtual std::string Colour() = 0;
};
class Square final : public IShape, public IColoured {
public:
    int32_t Sides() override { return 4; }
    std::string Colour() override { return "red"; }
};
class Plain final : public virtual Object {};

TEST(Ref, NothingRaises91) {
    Ref<IShape> none;
    EXPECT_TRUE(none.IsNothing());
    EXPECT_FALSE(static_cast<bool>(none));
    EXPECT_RAISES(91, none->Sides());
    EXPECT_RAISES(91, *none);
    Ref<IShape> fromNull(nullptr);
    EXPECT_TRUE(fromNull.IsNothing());
    Ref<IShape> shape = New<Square>();
    EXPECT_EQ(shape->Sides(), 4);
    shape.Reset();
    EXPECT_RAISES(91, shape->Sides());
}

TEST(Ref, CastsBetweenInterfaces) {
    Ref<Square> sq = New<Square>();
    Ref<IShape> shape = sq;
    Ref<IColoured> coloured = Cast<IColoured>(shape);
    EXPECT_EQ(coloured->Colour(), "red");
    EXPECT_TRUE(coloured == shape);  // one object behind both interfaces
    EXPECT_FALSE(Ref<IShape>(New<Square>()) == shape);
    EXPECT_TRUE(Cast<IColoured>(Ref<IShape>()).IsNothing());

    Ref<Object> plain = New<Plain>();
    EXPECT_RAISES(13, Cast<IShape>(plain));
    EXPECT_TRUE(TryCast<IShape>(plain).IsNothing());
    EXPECT_EQ(TryCast<IShape>(Ref<Object>(sq))->Sides(), 4);

    Variant v(shape);
    EXPECT_TRUE(v.IsObject());
    EXPECT_EQ(v.TypeName(), "Square");
    EXPECT_EQ(v.ToObject<IColoured>()->Colour(), "red");
    EXPECT_RAISES(13, Variant(plain).ToObject<IShape>());
    EXPECT_RAISES(13, Variant("x").ToObject<IShape>());
    EXPECT_TRUE(Variant().ToObject<IShape>().IsNothing());
    EXPECT_TRUE(Variant::Nothing().ToObject<IShape>().IsNothing());
}

TEST(Error, RaiseFillsSourceAndDescription) {
    try {
        Raise(rt::kDuplicateKey);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.Number(), 457);
        EXPECT_EQ(e.Source(), kAppTitle);
        EXPECT_EQ(e.Description(), "This key is already associated with an element of this collection");
    }
    try {
        Raise(rt::kObjectError + 0x1837, "CTools", "");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.Source(), "CTools");
        EXPECT_EQ(e.Description(), "Application-defined or object-defined error");
    }
    try {
        throw std::out_of_range("x");
    } catch (...) {
        EXPECT_EQ(CurrentExceptionAsError().Number(), 9);
    }
    try {
        throw std::bad_alloc();
    } catch (...) {
        EXPECT_EQ(CurrentExceptionAsError().Number(), 7);
    }
    try {
        throw std::runtime_error("boom");
    } catch (...) {
        Error e = CurrentExceptionAsError();
        EXPECT_EQ(e.Number(), 51);
        EXPECT_EQ(e.Description(), "Internal error: boom");
    }
    Err().Set(Error(13, "S", "D"));
    EXPECT_EQ(Err().Number, 13);
    EXPECT_RAISES(13, Err().Raise());
    Err().Clear();
    EXPECT_EQ(Err().Number, 0);
    EXPECT_EQ(Err().Description, "");
}

}  // namespace
