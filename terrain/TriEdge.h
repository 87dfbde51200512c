// A directed edge of a subdivision mesh, shared by the faces on either side of it.
#pragma once

class TriVertex;

class TriEdge {
  public:
    // Takes a reference on both vertices.
    TriEdge(TriVertex* start, TriVertex* end);
    // Frees both halves, whoever still uses them, then releases the two vertices.
    ~TriEdge();
    TriEdge(const TriEdge&) = delete;
    TriEdge& operator=(const TriEdge&) = delete;

    // Makes the midpoint and the two halves, pushed out to radius (randomly displaced when
    // rough) and stores the midpoint's distance from the centre in height. An edge that is
    // already split is left alone: no random number is drawn and height is not touched.
    // Returns true when a new midpoint was made.
    bool Split(double radius, bool rough, double& height);

    bool IsSplit() const { return half[0] != nullptr; }
    // The midpoint of a split edge, null otherwise.
    TriVertex* Midpoint() const;

    // Edges alive in the process, counted where they are made and freed.
    static long LiveCount() { return liveCount; }

    TriEdge* half[2] = {nullptr, nullptr};
    TriVertex* start;
    TriVertex* end;
    int refs = 0;

  private:
    static long liveCount;
};
