#pragma once

namespace velumo {

struct Form1State;

// Which templates a batch may draw from: small batches only single-photo templates, middle
// batches one or two photos, large batches any.
enum class CandidateRange { SinglePhoto, UpToTwoPhotos, Any };

CandidateRange candidateRangeForBatch(int batchSize);
// Middle and large batches may draw a group template that does not fit the photos left, so
// they need the single-photo fallback tables too.
bool batchUsesFallbacks(int batchSize);

// Rebuilds the landscape and portrait candidate tables, and for batches that use them the
// fallback tables, from the template tables in their order.
void buildCandidateTables(Form1State &form1, int batchSize);

} // namespace velumo
