// If and While blocks: each block's record is found again by the position
// of its line, and the jumps are seeks to the positions it remembers.
#include "script/script_runner.h"

namespace tesmar::script {

namespace {

// The block whose line starts at `position`, or blocks.size() for none.
template <typename Block>
size_t FindBlock(const std::vector<Block>& blocks, long position) {
  for (size_t i = 0; i < blocks.size(); ++i)
    if (blocks[i].position == position) return i;
  return blocks.size();
}

}  // namespace

void ScriptRunner::If(const Statement& s) {
  RequireState(run_.declarationState == 2 || run_.declarationState == 3,
               Tesmar::mark("Ошибка - ошибка в If-Then. Оператор New расположен вне секции описаний."));
  IfBlock& b = run_.ifBlocks[EnterIf(s)];
  if (Evaluate(b.condition, run_.variables)) {
    if (b.thenPosition >= 0) source_.Seek(b.thenPosition);
  } else if (b.elsePosition >= 0) {
    source_.Seek(b.elsePosition);
  } else {
    run_.searchTarget = "%Else";
  }
}

// The block of this If line, on top of the If stack; a new one the first time.
size_t ScriptRunner::EnterIf(const Statement& s) {
  std::vector<IfBlock>& blocks = run_.ifBlocks;
  std::vector<size_t>& stack = run_.ifStack;
  const size_t index = FindBlock(blocks, run_.linePosition);
  if (index < blocks.size()) {
    stack.resize(blocks[index].depth);
    stack.push_back(index);
    return index;
  }
  if (blocks.size() >= kMaxBlocks || stack.size() >= kMaxBlocks)
    Fail(Tesmar::mark("Ошибка - больше 100 блоков If!"), s.line);
  IfBlock b;
  b.position = run_.linePosition;
  b.depth = stack.size();
  b.condition =
      ParseCondition(s.arg, run_.variables, Tesmar::mark("Некорректная операция в операторе If - ошибка!"));
  blocks.push_back(b);
  stack.push_back(index);
  return index;
}

void ScriptRunner::Then(const Statement&) {
  RequireBlockState();
  if (run_.ifStack.empty()) Fail(Tesmar::mark("Ошибка - Then без открытого блока If!"));
  IfBlock& b = run_.ifBlocks[run_.ifStack.back()];
  if (b.thenPosition < 0) b.thenPosition = run_.linePosition;
  if (!b.condition.value) run_.searchTarget = "%Else";
}

void ScriptRunner::Else(const Statement&) {
  RequireBlockState();
  if (run_.ifStack.empty()) Fail(Tesmar::mark("Ошибка - Else без открытого блока If!"));
  IfBlock& b = run_.ifBlocks[run_.ifStack.back()];
  if (b.elsePosition < 0) b.elsePosition = run_.linePosition;
  if (b.condition.value) run_.searchTarget = "%EndIf";
}

void ScriptRunner::EndIf(const Statement&) {
  RequireBlockState();
  if (run_.ifStack.empty()) Fail(Tesmar::mark("Ошибка - EndIf без открытого блока If!"));
  run_.ifStack.pop_back();
}

void ScriptRunner::While(const Statement& s) {
  RequireBlockState();
  WhileBlock& b = run_.whileBlocks[EnterWhile(s)];
  if (Evaluate(b.condition, run_.variables)) return;
  // False: straight to its EndWhile, which closes the block.
  if (b.endPosition >= 0)
    source_.Seek(b.endPosition);
  else
    run_.skipToEndWhile = true;
}

// The block of this While line; pushed again when it had finished.
size_t ScriptRunner::EnterWhile(const Statement& s) {
  std::vector<WhileBlock>& blocks = run_.whileBlocks;
  std::vector<size_t>& stack = run_.whileStack;
  const size_t index = FindBlock(blocks, run_.linePosition);
  if (index < blocks.size()) {
    if (blocks[index].status != WhileStatus::kFinished) return index;
    if (stack.size() >= kMaxBlocks) Fail(Tesmar::mark("Ошибка - вложенность While больше 100!"), s.line);
    stack.push_back(index);
    return index;
  }
  if (blocks.size() >= kMaxBlocks || stack.size() >= kMaxBlocks)
    Fail(Tesmar::mark("Ошибка - больше 100 блоков While!"), s.line);
  WhileBlock b;
  b.position = run_.linePosition;
  b.condition =
      ParseCondition(s.arg, run_.variables, Tesmar::mark("Некорректная операция в операторе While - ошибка!"));
  blocks.push_back(b);
  stack.push_back(index);
  return index;
}

void ScriptRunner::EndWhile(const Statement&) {
  RequireBlockState();
  if (run_.whileStack.empty()) Fail(Tesmar::mark("Ошибка - EndWhile без открытого блока While!"));
  WhileBlock& b = run_.whileBlocks[run_.whileStack.back()];
  if (b.endPosition < 0) b.endPosition = run_.linePosition;
  if (b.condition.value) {
    b.status = WhileStatus::kLooping;
    source_.Seek(b.position);
  } else {
    b.status = WhileStatus::kFinished;
    run_.whileStack.pop_back();
  }
}

}  // namespace tesmar::script
