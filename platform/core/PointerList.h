#pragma once
// Doubly linked list of pointers with the framework's POSITION iteration shape;
// the common body of CObList and CPtrList.
//
//   POSITION pos = list.GetHeadPosition();
//   while (pos) { T item = list.GetNext(pos); ... }
//
// A POSITION stays valid until its own element is removed.

#include "platform/core/Types.h"

#include <cassert>
#include <cstddef>

namespace platform {

template <typename T> class PointerList {
public:
    PointerList() = default;
    PointerList(const PointerList&) = delete;
    PointerList& operator=(const PointerList&) = delete;
    ~PointerList() { RemoveAll(); }

    int GetCount() const { return count_; }
    int GetSize() const { return count_; }
    bool IsEmpty() const { return count_ == 0; }

    T& GetHead() { return head_->value; }
    T GetHead() const { return head_->value; }
    T& GetTail() { return tail_->value; }
    T GetTail() const { return tail_->value; }

    POSITION AddHead(T value) { return InsertBefore(GetHeadPosition(), value); }
    POSITION AddTail(T value) { return InsertAfter(GetTailPosition(), value); }

    T RemoveHead() {
        assert(head_);
        T value = head_->value;
        Unlink(head_);
        return value;
    }
    T RemoveTail() {
        assert(tail_);
        T value = tail_->value;
        Unlink(tail_);
        return value;
    }
    void RemoveAll() {
        while (head_) {
            Unlink(head_);
        }
    }

    POSITION GetHeadPosition() const { return ToPos(head_); }
    POSITION GetTailPosition() const { return ToPos(tail_); }

    // Returns the element at pos and advances pos (null past the end).
    T& GetNext(POSITION& pos) {
        Node* node = ToNode(pos);
        pos = ToPos(node->next);
        return node->value;
    }
    T GetNext(POSITION& pos) const {
        Node* node = ToNode(pos);
        pos = ToPos(node->next);
        return node->value;
    }
    T& GetPrev(POSITION& pos) {
        Node* node = ToNode(pos);
        pos = ToPos(node->prev);
        return node->value;
    }
    T& GetAt(POSITION pos) { return ToNode(pos)->value; }
    T GetAt(POSITION pos) const { return ToNode(pos)->value; }
    void SetAt(POSITION pos, T value) { ToNode(pos)->value = value; }
    void RemoveAt(POSITION pos) { Unlink(ToNode(pos)); }

    // Inserting before a null position adds at the head, after a null position at the tail.
    POSITION InsertBefore(POSITION pos, T value) {
        Node* next = ToNode(pos);
        if (!next) {
            next = head_;
        }
        Node* node = new Node{value, next ? next->prev : tail_, next};
        Link(node);
        return ToPos(node);
    }
    POSITION InsertAfter(POSITION pos, T value) {
        Node* prev = ToNode(pos);
        if (!prev) {
            prev = tail_;
        }
        Node* node = new Node{value, prev, prev ? prev->next : head_};
        Link(node);
        return ToPos(node);
    }

    // Position of the first element equal to value after startAfter (from the head when null).
    POSITION Find(T value, POSITION startAfter = nullptr) const {
        Node* node = startAfter ? ToNode(startAfter)->next : head_;
        for (; node; node = node->next) {
            if (node->value == value) {
                return ToPos(node);
            }
        }
        return nullptr;
    }
    // Position of the 0-based index, null when out of range.
    POSITION FindIndex(int index) const {
        if (index < 0 || index >= count_) {
            return nullptr;
        }
        Node* node = head_;
        while (index-- > 0) {
            node = node->next;
        }
        return ToPos(node);
    }

private:
    struct Node {
        T value;
        Node* prev;
        Node* next;
    };

    static POSITION ToPos(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* ToNode(POSITION pos) { return reinterpret_cast<Node*>(pos); }

    void Link(Node* node) {
        (node->prev ? node->prev->next : head_) = node;
        (node->next ? node->next->prev : tail_) = node;
        ++count_;
    }
    void Unlink(Node* node) {
        (node->prev ? node->prev->next : head_) = node->next;
        (node->next ? node->next->prev : tail_) = node->prev;
        delete node;
        --count_;
    }

    Node* head_ = nullptr;
    Node* tail_ = nullptr;
    int count_ = 0;
};

} // namespace platform
